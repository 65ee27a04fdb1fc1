#include "platform/casella_messaggio.h"
#include "platform/finestra_attesa.h"
#include "platform/win32/windows_utf16.h"

namespace {

constexpr wchar_t classe_form1[] = L"compila_scenario.Form1";

// Twips to pixels at the screen's resolution: 1440 twips to the inch.
int pixel(int twip, int punti_per_pollice) {
    return ::MulDiv(twip, punti_per_pollice, 1440);
}

// Once per process, like the font: both outlive every window made with them.
void registra_classe() {
    static const bool registrata = [] {
        WNDCLASSW classe{};
        classe.lpfnWndProc = ::DefWindowProcW;
        classe.hInstance = ::GetModuleHandleW(nullptr);
        classe.hCursor = ::LoadCursorW(nullptr, IDC_WAIT);
        classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        classe.lpszClassName = classe_form1;
        return ::RegisterClassW(&classe) != 0;
    }();
    (void)registrata;
}

// Label1's font: "MS Sans Serif", 24 points, weight 700.
HFONT carattere_label(int punti_per_pollice_y) {
    static const HFONT carattere =
        ::CreateFontW(-::MulDiv(24, punti_per_pollice_y, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                      ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    return carattere;
}

// Answers what is waiting, without waiting for more.
void svuota_messaggi() {
    MSG messaggio;
    while (::PeekMessageW(&messaggio, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&messaggio);
        ::DispatchMessageW(&messaggio);
    }
}

}  // namespace

finestra_attesa::finestra_attesa() {
    registra_classe();
    const HDC schermo = ::GetDC(nullptr);
    const int ppp_x = ::GetDeviceCaps(schermo, LOGPIXELSX);
    const int ppp_y = ::GetDeviceCaps(schermo, LOGPIXELSY);
    ::ReleaseDC(nullptr, schermo);

    // A title bar and nothing else: no menu, no buttons of its own.
    constexpr DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT area{0, 0, pixel(4200, ppp_x), pixel(2688, ppp_y)};
    ::AdjustWindowRect(&area, stile, FALSE);
    const HWND form = ::CreateWindowExW(
        0, classe_form1, L"Form1", stile, CW_USEDEFAULT, CW_USEDEFAULT, area.right - area.left,
        area.bottom - area.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    // No window to show (no desktop, say) is no reason to stop the run.
    if (form == nullptr) return;
    maniglia_ = form;
    const HWND label =
        ::CreateWindowExW(0, L"STATIC", L"Attendere", WS_CHILD | WS_VISIBLE | SS_LEFT,
                          pixel(960, ppp_x), pixel(960, ppp_y), pixel(2652, ppp_x),
                          pixel(792, ppp_y), form, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (label != nullptr) {
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_label(ppp_y)), FALSE);
    }
    ::ShowWindow(form, SW_SHOWNORMAL);
    ::RedrawWindow(form, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    svuota_messaggi();
}

finestra_attesa::~finestra_attesa() {
    if (maniglia_ != nullptr) ::DestroyWindow(static_cast<HWND>(maniglia_));
}

void finestra_attesa::trattieni(std::chrono::milliseconds durata) {
    const ULONGLONG fine = ::GetTickCount64() + static_cast<ULONGLONG>(durata.count());
    while (::GetTickCount64() < fine) {
        svuota_messaggi();
        ::Sleep(10);
    }
}

bool finestre_disponibili() {
    return true;
}

int mostra_casella_messaggio(const std::string& testo, void* proprietaria) {
    return ::MessageBoxW(static_cast<HWND>(proprietaria), in_utf16(testo).c_str(), nullptr, MB_OK);
}
