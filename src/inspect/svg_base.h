#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small pieces shared by the parts of the drawing.

// A coordinate with one decimal, the precision a screen needs.
std::string num(double v);

// A text element; `testo` is UTF-8 and is escaped here. `attributi` are added as given.
std::string testo_svg(double x, double y, std::string_view testo, std::string_view attributi = {});

// A reference to one of the shared symbols, centred on (x, y).
std::string uso_simbolo(std::string_view id, double x, double y);

// A rectangle on the page, y downwards.
struct riquadro {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
    bool interseca(const riquadro& b) const {
        return x0 < b.x1 && b.x0 < x1 && y0 < b.y1 && b.y0 < y1;
    }
};

// A text style of the drawing's style sheet, with the size the layout measures it by.
struct carattere {
    std::string_view classe;
    double dimensione;
    bool grassetto;
};

inline constexpr carattere carattere_normale{"", 11, false};
inline constexpr carattere carattere_titolo{"titolo", 18, true};
inline constexpr carattere carattere_stazione{"nome-stazione", 12, true};
inline constexpr carattere carattere_cartello{"testo-cartello", 11, false};
inline constexpr carattere carattere_valore{"valore", 10, false};
inline constexpr carattere carattere_asse{"asse", 10, false};

enum class ancora { inizio, centro, fine };

// The box a text takes, from the widths of DejaVu Sans, the first font the style asks for;
// a little wider than the real text, never narrower.
riquadro riquadro_testo(double x, double y, std::string_view testo, const carattere& c,
                        ancora a = ancora::inizio);

// Every text of the drawing with its box, so that labels are placed where nothing is yet.
class impaginazione {
  public:
    bool libero(const riquadro& r) const;
    // Clear of texts, though it may cross other lines.
    bool senza_testi(const riquadro& r) const;
    // Something that labels must keep clear of, such as a station's line across the chart.
    void occupa(const riquadro& r) { ostacoli_.push_back(r); }
    // Draws a text and keeps its box.
    std::string testo(double x, double y, std::string_view testo, const carattere& c,
                      ancora a = ancora::inizio, std::string_view attributi = {});
    const std::vector<riquadro>& testi() const { return testi_; }
    const std::vector<riquadro>& ostacoli() const { return ostacoli_; }

  private:
    std::vector<riquadro> testi_;
    std::vector<riquadro> ostacoli_;
};

// What a part of the drawing adds and how tall it is.
struct frammento_svg {
    std::string testo;
    double altezza = 0;
};
