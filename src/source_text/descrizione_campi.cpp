// The one description of both scenario files: every keyword and every value, as the readers
// take them and as the compiled scenario holds them. The guide's keyword tables, the editor's
// hover and `spiega` all read it from here.
#include "source_text/descrizione_campi.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "model/numeri.h"
#include "source_text/lettore_campi.h"

namespace {

using enum larghezza_valore;

constexpr std::int64_t min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t min16 = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t max16 = std::numeric_limits<std::int16_t>::max();
// The farthest position of the longest line that passes the range check: (x + 100) / 50 may
// not pass the last cell, (1000000 + 7000) / 50; stations have a margin of 800.
constexpr std::int64_t posizione_massima = 1006900;
constexpr std::int64_t stazione_massima = 1006200;

constexpr std::string_view fuori_modello =
    "(position + 100) / 50 beyond the last cell, or a cell before cell 0: error 15, and the "
    "rest of the file is not read.";

// ---- The line file: general section ----

constexpr descrizione_valore valori_lunghezza[] = {
    {"lunghezza", intero32, "m", 0, 1000000,
     "The line's length. The model runs 7000 m further: cells 0 to (length + 7000) / 50 (50 m "
     "each, rounded, halves to even) and a plan of metres 0 to length + 7000. Stored in the "
     ".sim's header row 84 (`fine`).",
     "Negative or above 1000000: error 1, and nothing after it is read."},
};

constexpr descrizione_valore valori_progressiva[] = {
    {"inizio", intero32, "m", min32, max32,
     "Start of the kilometric reference, a multiple of 50. The three references go into header "
     "rows 81, 82 and 83 (`inizio`) in order of decreasing start.",
     "Not a multiple of 50: error 2, found after the train run file has been read."},
    {"fine", intero32, "m", min32, max32,
     "End of the reference, a multiple of 50, in the row's `fine`; 100 m are added to it when "
     "the third value is 1.",
     "Not a multiple of 50: error 2, found after the train run file has been read."},
    {"marca", intero32, "", min32, max32,
     "Stored in the row's `posizione`. 1 lengthens the reference by 100 m at its end.",
     "Stored as written."},
};

constexpr descrizione_valore valori_sfondo_uno[] = {
    {"valore", intero32, "", min32, max32,
     "Scenery value for the simulator, stored as written in header row 85 (`inizio`).",
     "Stored as written."},
};
constexpr descrizione_valore valori_sfondo_due[] = {
    {"valore", intero32, "", min32, max32,
     "Scenery value for the simulator, stored as written in header row 85 (`posizione`).",
     "Stored as written."},
};
constexpr descrizione_valore valori_sfondo_tre[] = {
    {"valore", intero32, "", min32, max32,
     "Scenery value for the simulator, stored as written in header row 85 (`fine`).",
     "Stored as written."},
};

constexpr descrizione_valore valori_ripetizione[] = {
    {"inizio", intero32, "m", 0, posizione_massima,
     "Start of the stretch equipped with cab-signal repetition, a multiple of 50; header row 86 "
     "(`inizio`).",
     "Not a multiple of 50: error 3."},
    {"fine", intero32, "m", 0, posizione_massima,
     "End of the stretch, a multiple of 50; header row 86 (`fine`). 0 means no repetition: the "
     "number of codes becomes 0.",
     "Not a multiple of 50: error 4."},
};

// ---- The line file: later sections ----

constexpr descrizione_valore valori_pendenza[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The gradient holds from cell position / 50 (rounded, halves to even) up to the cell "
     "before the next `pendenza` line's; cells before the first line get 0 ‰ and the last "
     "gradient runs to the end of the model. A line whose cell is not past the cells already "
     "filled still writes one cell with the previous gradient.",
     fuori_modello},
    {"pendenza", intero32, "‰", -100, 155,
     "The gradient in per mille, stored in each cell's `pendenza` byte as gradient + 100 "
     "(0 ‰ is 100, +5 ‰ is 105).",
     "Outside −100 … 155 the byte cannot hold it: error 25."},
};

constexpr descrizione_valore valori_curva[] = {
    {"inizio", intero32, "m", 0, posizione_massima,
     "The plan of the line runs straight up to this metre and bends from the next one.",
     "(start + 100) / 50 beyond the last cell: error 15, and the rest of the file is not read. "
     "A start behind the end of the previous curve bends only from where that curve ended."},
    {"lunghezza", intero32, "m", 0, posizione_massima,
     "Metres of curve: the line turns by length × curvature radians, and each curved metre is "
     "slightly longer than a straight one (by the factor √(1 + curvature²)).",
     "Negative or 0: no bend. A curve that runs past the end of the model stops there."},
};

constexpr descrizione_valore valori_montagna[] = {
    {"inizio", intero32, "m", 0, posizione_massima,
     "First cell of the section: start / 50, rounded, halves to even.",
     "(start + 100) / 50 beyond the last cell, a cell of the section outside the model, or an "
     "81st section: error 15, and the rest of the file is not read."},
    {"fine", intero32, "m", 0, posizione_massima + 50,
     "Last cell of the section: end / 50 − 1, rounded, halves to even. A section shorter than "
     "50 m marks no cell.",
     "A last cell beyond the model: error 15."},
    {"tipo", intero32, "", 0, 265,
     "Mountain-side kind, stored in each cell's `montagna` byte (0 = none). Above 10, 10 is "
     "taken off and every 4th cell of the section that holds nothing gets a scenery marker "
     "(cell `tipo` 11). A section that starts 150 m or less after the previous section's end, "
     "or overlaps it, becomes kind 3 whatever it says.",
     "Only the low 8 bits are kept, after the 10 is taken off."},
};

constexpr descrizione_valore valori_indicatori[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The board's cell: position / 50 + 1 (rounded, halves to even); the cell gets `tipo` 6.",
     "Outside the model: error 15. On a cell that holds an object (a scenery marker apart): "
     "error 21."},
    {"vas", intero32, "km/h", 0, 1600,
     "First speed of the board's left (s) side: `valore_1` = vas × 20 + vad / 5.",
     "A sum outside the 16 bits of `valore_1` (−32768 … 32767): error 25."},
    {"vbs", intero32, "km/h", 0, 1600,
     "Second speed of the left side: `valore_2` = vbs × 20 + vbd / 5.",
     "A sum outside the 16 bits of `valore_2`: error 25."},
    {"vcs", intero32, "km/h", 0, 1600,
     "Third speed of the left side: `valore_3` = vcs × 20 + vcd / 5.",
     "A sum outside the 16 bits of `valore_3`: error 25."},
    {"strisces", intero32, "", 0, 9,
     "Stripes of the left side: `valore_4` = strisces × 10 + strisced.",
     "Kept in 16-bit arithmetic without a test: above 9 the two sides no longer separate."},
    {"vad", intero32, "km/h", 0, 800,
     "First speed of the right (d) side, added to `valore_1` as vad / 5; the sum is rounded, "
     "halves to even, so a speed that is not a multiple of 5 moves the pair.",
     "A sum outside the 16 bits of `valore_1`: error 25."},
    {"vbd", intero32, "km/h", 0, 800, "Second speed of the right side, in `valore_2` as vbd / 5.",
     "A sum outside the 16 bits of `valore_2`: error 25."},
    {"vcd", intero32, "km/h", 0, 800, "Third speed of the right side, in `valore_3` as vcd / 5.",
     "A sum outside the 16 bits of `valore_3`: error 25."},
    {"strisced", intero32, "", 0, 9, "Stripes of the right side, the units of `valore_4`.",
     "Kept in 16-bit arithmetic without a test: above 9 they run into the left side's."},
};

constexpr descrizione_valore valori_cartello[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The board's cell: position / 50 + 1 (rounded, halves to even); it gets `tipo` 14 and, in "
     "`valore_1`, the .sim row that holds the board's text.",
     "Outside the model, or an 80th board: error 15. On a cell that holds an object (a "
     "scenery marker apart): error 6."},
    {"testo", testo, "", 0, 0,
     "The board's text, up to the next comma or line end, in Windows-1252; the first board's "
     "goes into .sim row 80, the next into 79, and so on down. Each board leaves one station "
     "row less. The embedded scenario writes two bracketed parts, as in "
     "`(  BIVIO  )(TIBURTINA)`.",
     "A comma ends the text there; what follows is read as a further field."},
};

// ---- The train run file ----

constexpr descrizione_valore valori_massa_frenata[] = {
    {"percentuale", intero32, "%", min32, max32,
     "Braked-mass percentage of the train, stored as written in header row 84 (`inizio`).",
     "Stored as written."},
};
constexpr descrizione_valore valori_vetture[] = {
    {"vetture", intero32, "", min32, max32,
     "Number of cars of the train, stored as written in header row 84 (`posizione`).",
     "Stored as written."},
};

constexpr descrizione_valore valori_velocita[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The speed limit holds from cell position / 50 (rounded, halves to even) up to the cell "
     "before the next `velocita` line's; cells before the first line get 0, and the last "
     "speed runs to the end of the model. A line whose cell is not past the cells already "
     "filled still writes one cell with the previous speed, and its own follows.",
     fuori_modello},
    {"velocita", intero32, "km/h", 0, 1277,
     "The speed limit, stored in each cell's `vel_limite` byte in steps of 5 km/h: speed / 5, "
     "rounded, halves to even (60 → 12, 62 → 12, 63 → 13).",
     "A step that does not fit the byte (above 1277 km/h, below −2): error 25."},
};

constexpr descrizione_valore valori_aderenza[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The adhesion holds from cell position / 50 (rounded, halves to even) up to the cell "
     "before the next `aderenza` line's; cells before the first line get 0, and the last "
     "value runs to the end of the model. A line whose cell is not past the cells already "
     "filled still writes one cell with the previous value.",
     fuori_modello},
    {"aderenza", intero32, "", 0, 255,
     "Adhesion value, in each cell's `aderenza` byte (the embedded scenario uses 100).",
     "Only the low 8 bits are kept, without a test: 300 becomes 44, −1 becomes 255."},
};

constexpr std::string_view orologio_fuori =
    "Outside −32768 … 32767: error 25. Other values are stored as written: nothing checks "
    "that it is a time of day.";

constexpr descrizione_valore valori_orologio[] = {
    {"ore", intero16, "h", 0, 23,
     "Hours of the clock at the start of the run, header row 86 (`dato_10`).", orologio_fuori},
    {"minuti", intero16, "min", 0, 59, "Minutes, header row 86 (`dato_11`).", orologio_fuori},
    {"secondi", intero16, "s", 0, 59, "Seconds, header row 86 (`dato_12`).", orologio_fuori},
};

constexpr descrizione_valore valori_sabbia[] = {
    {"sabbia", intero16, "", min16, max16,
     "Sand value of the train, stored as written in header row 86 (`dato_7`).",
     "Outside −32768 … 32767: error 25."},
};

constexpr std::string_view coppia_a_16_bit =
    "Computed in 16-bit arithmetic without a test: only the low 16 bits are kept.";

constexpr descrizione_valore valori_segnale[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The signal's cell: position / 50 + 1 (rounded, halves to even), `tipo` 1. Approach marks "
     "go into the 2nd, 4th, 6th and 8th cells before it, replacing any mark there.",
     "Outside the model: error 15. On a cell that holds an object (a scenery marker apart): "
     "error 16."},
    {"sx", intero32, "", 0, 2,
     "Left value of the signal's pair: the pair sx × 3 + dx is the units of `valore_4` and the "
     "tens of each approach mark (sx × 30 + dx × 10 + 1 to 4, nearest first). Only a signal "
     "with sx = 2 keeps its tempo.",
     "Kept without a test: above 2 the pair runs into rapp's tens, and the approach marks keep "
     "only their low 8 bits."},
    {"s1", intero32, "", 0, 3276, "Tens of `valore_1` = s1 × 10 + d1.", coppia_a_16_bit},
    {"s2", intero32, "", 0, 3276, "Tens of `valore_2` = s2 × 10 + d2.", coppia_a_16_bit},
    {"s3", intero32, "", 0, 3276, "Tens of `valore_3` = s3 × 10 + d3.", coppia_a_16_bit},
    {"rapp", intero32, "", 0, 3275, "Tens of `valore_4` = rapp × 10 + sx × 3 + dx.",
     coppia_a_16_bit},
    {"dx", intero32, "", 0, 2, "Right value of the signal's pair (see sx).",
     "Kept without a test: above 2 it runs into the next value of sx."},
    {"d1", intero32, "", 0, 9, "Units of `valore_1`.",
     "Kept without a test: above 9 it runs into s1's tens."},
    {"d2", intero32, "", 0, 9, "Units of `valore_2`.",
     "Kept without a test: above 9 it runs into s2's tens."},
    {"d3", intero32, "", 0, 9, "Units of `valore_3`.",
     "Kept without a test: above 9 it runs into s3's tens."},
    {"tempo", intero32, "", 0, 255,
     "Time value, kept in the cell's `tempo` byte only when sx is 2 (otherwise 0): 1 to 100 "
     "become 101; 0 and 101 to 255 stay.",
     "Only the low 8 bits are kept: 256 becomes 0, a negative value wraps."},
};

constexpr descrizione_valore valori_rallentamento[] = {
    {"x", intero32, "m", 0, posizione_massima,
     "Start of the slowdown: the start board goes into cell x / 50 + 1 (rounded, halves to "
     "even, `tipo` 3). Beyond 1500 m a warning board stands 1200 m before it (`tipo` 4); at "
     "1500 m or less there is none.",
     "Outside the model: error 15. The warning, start or end cell already holds an object: "
     "error 17, 18 or 19."},
    {"v", intero32, "km/h", 0, max16,
     "The slowdown's speed, in `valore_1` of the warning, start and end boards. Below 110 km/h "
     "the code pass also places code-180 reductions every 8 cells through the slowdown and in "
     "front of the first signal within 12 cells after its end.",
     "Only the low 16 bits are kept."},
    {"l", intero32, "m", 0, posizione_massima,
     "Length: the end board goes into cell (x + l) / 50 + 1 (`tipo` 2). When start and end "
     "fall into one cell, only the start board remains.",
     "Negative: the end board stands before the start. An end outside the model: error 15."},
    {"f_tt", intero32, "", min16, max16, "Stored in `valore_3` of the start and end boards.",
     "Only the low 16 bits are kept."},
    {"f_ta", intero32, "", min32, max32,
     "Not 0, with x beyond 1500 m: the four cells just before the warning board get `tipo` 5, "
     "numbered 1 (nearest the board) to 4 in `valore_1`. They must hold nothing: error 20 "
     "otherwise.",
     "Any value other than 0 acts as 1."},
    {"d_v", intero32, "", min16, max16,
     "Not 0: stored in `valore_2` of the three boards, and the four cells before the warning "
     "board get their number there too.",
     "Only the low 16 bits are kept."},
};

constexpr descrizione_valore valori_abbattimento[] = {
    {"posizione", intero32, "m", 0, posizione_massima,
     "The reduction's cell: position / 50 (rounded, halves to even), without the + 1 of "
     "signals and boards.",
     "Outside the model: error 15. On a cell that holds an object (a scenery marker apart): "
     "error 7."},
    {"codice", intero32, "", 1, max16,
     "Above 0: `tipo` 12, a reduction to this code, in `valore_1`. 0 or below: `tipo` 13, a "
     "reduction without a code.",
     "Above 32767 only the low 16 bits are kept."},
};

constexpr std::string_view byte_fuori = "Outside 0 … 255: error 25.";
constexpr std::string_view intero16_fuori = "Outside −32768 … 32767: error 25.";
constexpr std::string_view orario_fuori =
    "Kept in 32-bit arithmetic that wraps; nothing checks that it is a time of day.";

constexpr descrizione_valore valori_stazione[] = {
    {"posizione", intero32, "m", 0, stazione_massima,
     "Station position, a multiple of 50, in the row's `posizione`; the stop zone is laid "
     "around it by the kind.",
     "Not a multiple of 50: error 8. (position + 800) / 50 beyond the last cell: error 15."},
    {"tipo", byte, "", 0, 255,
     "Station kind, in the row's `tipo`. Kinds 5 and 6: stop zone from position − length to "
     "position + 150, no approach marks. Kinds 7 and 8: from position − length to position + "
     "length. Any other kind: position ± length / 2, 50 m longer at its end when d6 is not 0. "
     "Kinds below 25 put the stop mark (`tipo` 10, `valore_1` = the row) into cell zone end / "
     "50 − 1 and, except 5 and 6, approach marks 81 to 84 into the four cells before it; "
     "kinds 25 and above only take a row.",
     byte_fuori},
    {"lunghezza", intero32, "m", 0, 2 * stazione_massima,
     "Length of the station, a multiple of 100: it sizes the stop zone (see tipo), and below "
     "600 m it clears d5. Not stored itself.",
     "Not a multiple of 100: error 9."},
    {"d4", byte, "", 0, 255, "Stored as written in the row's `dato_4`.", byte_fuori},
    {"d5", byte, "", 0, 255,
     "Stored in the row's `dato_5`, but cleared to 0 when the length is below 600 m and for "
     "the first station.",
     byte_fuori},
    {"d6", byte, "", 0, 255,
     "Not 0: the stop zone of a kind other than 5 to 8 ends 50 m later. Stored in `dato_6`, "
     "cleared for kinds 5 to 8 and for the first station (whose zone still takes the 50 m).",
     byte_fuori},
    {"d7", intero16, "", min16, max16, "Stored as written in the row's `dato_7`.", intero16_fuori},
    {"d8", intero16, "", min16, max16, "Stored as written in the row's `dato_8`.", intero16_fuori},
    {"d9", byte, "", 0, 255, "Stored as written in the row's `dato_9`.", byte_fuori},
    {"d10", intero16, "", min16, max16, "Stored as written in the row's `dato_10`.",
     intero16_fuori},
    {"d11", intero16, "", min16, max16, "Stored as written in the row's `dato_11`.",
     intero16_fuori},
    {"d12", intero16, "", min16, max16, "Stored as written in the row's `dato_12`.",
     intero16_fuori},
    {"d13", byte, "", 0, 255,
     "Stored as written in the row's `dato_13` (the embedded scenario writes 60 at the "
     "intermediate stations and 1 at the first and the last).",
     byte_fuori},
    {"ore", intero32, "h", 0, 23,
     "Timetable hours: the row's `orario` = (hours × 60 + minutes) × 60 + seconds, in seconds "
     "from midnight.",
     orario_fuori},
    {"minuti", intero32, "min", 0, 59, "Timetable minutes, into `orario`.", orario_fuori},
    {"secondi", intero32, "s", 0, 59, "Timetable seconds, into `orario`.", orario_fuori},
    {"nome", testo, "", 0, 0,
     "The station's name, to the end of the line, in Windows-1252, in the row's `nome`.",
     "A comma ends the name there; the rest of the line is read as a further field."},
};

// ---- The keywords ----

// How the readers recognise a keyword: every word must be in the field, each with the case
// rule of its test. The reader acts on the first entry, in its own order, that the field passes.
// The words are written in small letters.
struct prova_parola {
    std::array<std::string_view, 2> parole;
    bool maiuscole_minuscole;  // letters compared without regard to case
};

// A field as the tests see it: as written, and with its ASCII capitals made small once for
// all the case-blind tests of every entry, on the stack when it is of a keyword's size.
class campo_in_prova {
  public:
    explicit campo_in_prova(std::string_view campo) : scritto_(campo) {
        char* piccolo = fisso_.data();
        if (campo.size() > fisso_.size()) {
            lungo_.resize(campo.size());
            piccolo = lungo_.data();
        }
        std::transform(campo.begin(), campo.end(), piccolo, minuscola_ascii);
        minuscolo_ = std::string_view(piccolo, campo.size());
    }
    campo_in_prova(const campo_in_prova&) = delete;
    campo_in_prova& operator=(const campo_in_prova&) = delete;

    bool supera(const prova_parola& prova) const {
        const std::string_view campo = prova.maiuscole_minuscole ? minuscolo_ : scritto_;
        for (std::string_view parola : prova.parole) {
            if (!contiene(campo, parola)) return false;
        }
        return true;
    }

  private:
    std::string_view scritto_;
    std::array<char, 64> fisso_;
    std::string lungo_;
    std::string_view minuscolo_;
};

struct voce {
    descrizione_parola_chiave descrizione;
    prova_parola prova;
};

constexpr std::string_view senza_maiuscole =
    " Exact case: the keyword must be written in small letters.";

constexpr std::string_view progressive =
    "The compiler orders the three references by decreasing start into header rows 81 to 83; "
    "when the starts add up to 0, the one with a positive end leads («uno» before «due» before "
    "«tre») and all three rows are 0 when none has one; when the greatest start is shared, all "
    "three rows are 0.";

// Descriptions put together from shared sentences live here for the program's lifetime.
std::string_view conserva(std::string testo) {
    static std::deque<std::string> testi;
    return testi.emplace_back(std::move(testo));
}

// A curve keyword: `curva`, the side letter, the grade digit.
struct grado_curva {
    char cifra;
    double curvatura;
    std::string_view raggio;
};
constexpr grado_curva gradi_curva[] = {
    {'1', 0.0001, "10000"}, {'2', 0.0002, "5000"}, {'3', 0.0004, "2500"},
    {'4', 0.001, "1000"},   {'5', 0.002, "500"},   {'6', 0.003, "333"},
};

constexpr std::string_view descrizione_curve_comune =
    "The keyword names the side and the grade: `curva`, then `d` (right) or `s` (left), then "
    "a digit 1 to 6. The reader takes the first of the digits 1 … 6 it finds in the keyword "
    "and bends left when the keyword holds an `s` in either case; a curve keyword without a "
    "digit 1 to 6 is error 103. Curves go in order of position, without overlap: the plan "
    "is built metre by metre from the start of the line.";

// One curve keyword of the side ('d' or 's') and grade.
voce voce_curva(char lato, const grado_curva& g) {
    const std::string parola = std::string("curva") + lato + g.cifra;
    char curvatura[32];
    std::snprintf(curvatura, sizeof curvatura, "%s%g", lato == 's' ? "−" : "+", g.curvatura);
    const std::string descrizione = std::string(lato == 'd' ? "Right" : "Left") +
                                    "-hand curve, grade " + g.cifra + ": curvature " + curvatura +
                                    " per metre (radius " + std::string(g.raggio) + " m). " +
                                    std::string(descrizione_curve_comune);
    return {{conserva(parola), sorgente::file_linea, "[curve]", valori_curva, conserva(descrizione),
             conserva(parola + ", 2000, 800")},
            {{"curva", ""}, true}};
}

std::vector<voce> crea_voci_linea() {
    std::vector<voce> voci = {
        {{"lunghezza percorso", sorgente::file_linea, "[generale]", valori_lunghezza,
          "The line's length; it creates the track model, so it comes first and is required. "
          "A second such line creates the model afresh.",
          "lunghezza percorso, 12000"},
         {{"percorso", "lunghezza"}, true}},
        {{"progressiva chilometrica tre", sorgente::file_linea, "[generale]", valori_progressiva,
          conserva(std::string("The third kilometric reference. ")
                       .append(progressive)
                       .append(senza_maiuscole)),
          "progressiva chilometrica tre, 0, 0, 0"},
         {{"tre", "progressiva"}, false}},
        {{"progressiva chilometrica due", sorgente::file_linea, "[generale]", valori_progressiva,
          conserva(std::string("The second kilometric reference. ")
                       .append(progressive)
                       .append(senza_maiuscole)),
          "progressiva chilometrica due, 0, 0, 0"},
         {{"due", "progressiva"}, false}},
        {{"progressiva chilometrica uno", sorgente::file_linea, "[generale]", valori_progressiva,
          conserva(std::string("The first kilometric reference. ")
                       .append(progressive)
                       .append(senza_maiuscole)),
          "progressiva chilometrica uno, 0, 12000, 0"},
         {{"uno", "progressiva"}, false}},
        {{"sfondo uno", sorgente::file_linea, "[generale]", valori_sfondo_uno,
          conserva(std::string("The first scenery value.").append(senza_maiuscole)),
          "sfondo uno, 1"},
         {{"sfondo", "uno"}, false}},
        {{"sfondo due", sorgente::file_linea, "[generale]", valori_sfondo_due,
          conserva(std::string("The second scenery value.").append(senza_maiuscole)),
          "sfondo due, 0"},
         {{"sfondo", "due"}, false}},
        {{"sfondo tre", sorgente::file_linea, "[generale]", valori_sfondo_tre,
          conserva(std::string("The third scenery value.").append(senza_maiuscole)),
          "sfondo tre, 0"},
         {{"sfondo", "tre"}, false}},
        {{"ripetizione segnali 9 codici", sorgente::file_linea, "[generale]", valori_ripetizione,
          conserva(std::string("The stretch with cab-signal repetition and its number of codes, "
                               "in header row 86: 4 when the keyword holds a 4 (`ripetizione "
                               "segnali 4 codici`), else 9 when it holds a 9, and 0 when the end "
                               "is 0. A keyword with neither digit is error 5.")
                       .append(senza_maiuscole)),
          "ripetizione segnali 9 codici, 1000, 9000"},
         {{"segnali", "ripetizione"}, false}},
        {{"pendenza", sorgente::file_linea, "[pendenze]", valori_pendenza,
          "A gradient from a position on. Lines go in increasing position.", "pendenza, 3000, 8"},
         {{"pendenza", ""}, true}},
    };
    for (const char lato : {'d', 's'}) {
        for (const grado_curva& g : gradi_curva) voci.push_back(voce_curva(lato, g));
    }
    voci.push_back({{"montagna", sorgente::file_linea, "[montagne]", valori_montagna,
                     "A mountain side along the line, from start to end; at most 80 sections.",
                     "montagna, 4000, 5000, 12"},
                    {{"montagna", ""}, true}});
    voci.push_back({{"indicatori_vmax", sorgente::file_linea, "[cartelli]", valori_indicatori,
                     "A maximum-speed indicator board with a left (s) and a right (d) side, "
                     "each with three speeds and a number of stripes. The embedded scenario's "
                     "`indicatori_vmax, 800, 90, 90, 100, 0, 90, 90, 100, 0` fills cell 17 "
                     "with 1818, 1818, 2020 and 0.",
                     "indicatori_vmax, 1500, 100, 105, 110, 0, 100, 105, 110, 0"},
                    {{"indicatori_v", ""}, true}});
    voci.push_back({{"cartello_indicatore", sorgente::file_linea, "[indicazioni]", valori_cartello,
                     "A direction board with its text. At most 79 boards, and every board "
                     "leaves one station row less in the .sim.",
                     "cartello_indicatore, 8000, (BIVIO)(NORD)"},
                    {{"indicat", "cartello"}, true}});
    return voci;
}

std::vector<voce> crea_voci_treno() {
    return {
        {{"percentuale massa frenata", sorgente::file_treno, "[generale]", valori_massa_frenata,
          "The train's braked-mass percentage. Recognised by `frenata` together with `massa`.",
          "percentuale massa frenata, 95"},
         {{"frenata", "massa"}, true}},
        {{"numero vetture", sorgente::file_treno, "[generale]", valori_vetture,
          "The train's number of cars. Recognised by `vetture`.", "numero vetture, 6"},
         {{"vetture", ""}, true}},
        {{"velocita", sorgente::file_treno, "[vel_limite]", valori_velocita,
          "A speed limit from a position on. Recognised by `velocit`, so `velocità` works "
          "too. Lines go in increasing position.",
          "velocita, 0, 100"},
         {{"velocit", ""}, true}},
        {{"aderenza", sorgente::file_treno, "[aderenze]", valori_aderenza,
          "An adhesion value from a position on. Lines go in increasing position.",
          "aderenza, 0, 100"},
         {{"aderenza", ""}, true}},
        {{"orologio", sorgente::file_treno, "[generale]", valori_orologio,
          "The clock at the start of the run. The three numbers may be separated by blanks "
          "alone: `orologio, 6 21 54`.",
          "orologio, 7 30 0"},
         {{"orologio", ""}, true}},
        {{"sabbia", sorgente::file_treno, "[generale]", valori_sabbia, "The train's sand value.",
          "sabbia, 0"},
         {{"sabbia", ""}, true}},
        {{"segnale", sorgente::file_treno, "[segnali]", valori_segnale,
          "A signal. The embedded scenario's `segnale, 10150, 2, 4, 0, 0, 0, 2, 2, 0, 0, 0` "
          "fills cell 204 with 42, 0, 0, 8 and puts approach marks 81 to 84 into cells 202, "
          "200, 198 and 196. The code pass places a code-180 reduction in front of every "
          "signal within the 20 cells before a slowdown's warning board (error 11 when the "
          "two cells in front of it are taken).",
          "segnale, 2500, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0"},
         {{"segnale", ""}, true}},
        {{"rallentamento", sorgente::file_treno, "[rallentamenti]", valori_rallentamento,
          "A slowdown with its boards. The code pass adds code-180 reductions 5 to 7, 11 to 13 "
          "and 18 to 20 cells before the start board (error 12 when a group has no free "
          "cell), so leave free cells around a slowdown.",
          "rallentamento, 8500, 60, 600, 0, 1, 0"},
         {{"rallentamento", ""}, true}},
        {{"abbattimento", sorgente::file_treno, "[codici]", valori_abbattimento,
          "A cab-code reduction in one cell.", "abbattimento, 4500, 200"},
         {{"abbattimento", ""}, true}},
        {{"stazione", sorgente::file_treno, "[stazioni]", valori_stazione,
          "A station: the next row of the .sim's station table (the first station in row 1) "
          "and, for kinds below 25, its stop and approach marks. Stations go in order of "
          "position, and each stop zone must start at least 350 m after the previous one ends "
          "(error 22). A stop mark that would fall within the first 100 m is error 24. With B "
          "direction boards the table holds 78 − B stations (error 10 at the next).",
          "stazione, 5500, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA"},
         {{"stazione", ""}, true}},
    };
}

const std::vector<voce>& voci(sorgente file) {
    static const std::vector<voce> linea = crea_voci_linea();
    static const std::vector<voce> treno = crea_voci_treno();
    static const std::vector<voce> nessuna;
    if (file == sorgente::file_linea) return linea;
    if (file == sorgente::file_treno) return treno;
    return nessuna;
}

std::vector<descrizione_parola_chiave> solo_descrizioni(sorgente file) {
    std::vector<descrizione_parola_chiave> d;
    for (const voce& v : voci(file)) d.push_back(v.descrizione);
    return d;
}

// The curve entry the reader's own tests pick: the first digit 1..6, an `s` for the left.
const descrizione_parola_chiave* curva_di(sorgente file, std::string_view campo) {
    for (const grado_curva& g : gradi_curva) {
        if (!contiene(campo, std::string_view(&g.cifra, 1))) continue;
        const bool sinistra = contiene_maiuscole_minuscole(campo, "s");
        const std::string parola = std::string("curva") + (sinistra ? 's' : 'd') + g.cifra;
        for (const descrizione_parola_chiave& d : parole_chiave(file)) {
            if (d.parola == parola) return &d;
        }
    }
    return nullptr;
}

// ---- What is stored ----

using valore_di = std::function<std::optional<std::int64_t>(std::size_t)>;

std::string testo_cella(std::int64_t cella) {
    return "cell " + std::to_string(cella);
}
std::string dalla_cella(std::int64_t posizione) {
    return "from cell " + std::to_string(indice_di(posizione));
}
std::string con_segno(std::int64_t v) {
    return (v > 0 ? "+" : "") + std::to_string(v);
}

std::string ora_del_giorno(std::int64_t secondi) {
    const std::int64_t giorno = ((secondi % 86400) + 86400) % 86400;
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02lld:%02lld:%02lld",
                  static_cast<long long>(giorno / 3600), static_cast<long long>(giorno / 60 % 60),
                  static_cast<long long>(giorno % 60));
    return testo;
}

bool multiplo(std::int64_t v, std::int64_t di) {
    return v % di == 0;
}

std::string memorizzato_pendenza(std::size_t indice, std::int64_t v) {
    if (indice == 0) return dalla_cella(v);
    if (v < -100 || v > 155) return "does not fit the byte: error 25";
    return std::to_string(v + 100) + " (" + con_segno(v) + " ‰)";
}

std::string memorizzato_velocita(std::size_t indice, std::int64_t v) {
    if (indice == 0) return dalla_cella(v);
    const double passo = arrotonda(static_cast<double>(v) / 5.0);
    if (passo < 0 || passo > 255) return "does not fit the byte: error 25";
    const auto n = static_cast<std::int64_t>(passo);
    return std::to_string(n) + " (" + std::to_string(n * 5) + " km/h)";
}

std::string memorizzato_aderenza(std::size_t indice, std::int64_t v) {
    if (indice == 0) return dalla_cella(v);
    return v == basso8(v) ? "" : std::to_string(basso8(v)) + " (low 8 bits)";
}

std::string memorizzato_curva(const descrizione_parola_chiave& parola, std::size_t indice,
                              std::int64_t v) {
    if (indice == 0) return "straight to metre " + std::to_string(v) + ", curved from the next";
    double curvatura = 0;
    for (const grado_curva& g : gradi_curva) {
        if (parola.parola.back() == g.cifra) curvatura = g.curvatura;
    }
    if (v <= 0) return "no bend";
    char testo[64];
    std::snprintf(testo, sizeof testo, "turns by %.1f°",
                  static_cast<double>(v) * curvatura * 180.0 / 3.14159265358979323846);
    return testo;
}

std::string memorizzato_montagna(std::size_t indice, std::int64_t v) {
    if (indice == 0) return "first " + testo_cella(indice_di(v));
    if (indice == 1) {
        return "last " + testo_cella(static_cast<std::int64_t>(arrotonda(v / 50.0 - 1.0)));
    }
    if (v > 10) {
        return "kind " + std::to_string(basso8(v - 10)) + " with scenery markers";
    }
    return v == basso8(v) ? "" : "kind " + std::to_string(basso8(v));
}

std::string coppia_velocita(const valore_di& valore, std::size_t sinistra, std::size_t destra,
                            std::string_view campo) {
    const auto s = valore(sinistra);
    const auto d = valore(destra);
    if (!s || !d) return "";
    const double somma = static_cast<double>(*s * 20) + static_cast<double>(*d) / 5.0;
    const double r = arrotonda(somma);
    if (r < min16 || r > max16) return "the pair does not fit 16 bits: error 25";
    return std::string(campo) + " " + std::to_string(static_cast<std::int64_t>(r));
}

std::string memorizzato_indicatori(std::size_t indice, const valore_di& valore) {
    const std::int64_t v = *valore(indice);
    if (indice == 0) return testo_cella(cella_di(v));
    if (indice == 4 || indice == 8) {
        const auto s = valore(4);
        const auto d = valore(8);
        if (!s || !d) return "";
        return "valore_4 " + std::to_string(basso16(basso16(*s) * 10 + basso16(*d)));
    }
    const std::size_t sinistra = indice < 4 ? indice : indice - 4;
    static constexpr std::string_view campi[] = {"", "valore_1", "valore_2", "valore_3"};
    return coppia_velocita(valore, sinistra, sinistra + 4, campi[sinistra]);
}

std::string memorizzato_cartello(std::size_t indice, std::int64_t v) {
    return indice == 0 ? testo_cella(cella_di(v)) : "";
}

std::string memorizzato_segnale(std::size_t indice, const valore_di& valore) {
    const std::int64_t v = *valore(indice);
    if (indice == 0) {
        const std::int64_t k = cella_di(v);
        return testo_cella(k) + ", approach marks in cells " + std::to_string(k - 2) + ", " +
               std::to_string(k - 4) + ", " + std::to_string(k - 6) + ", " + std::to_string(k - 8);
    }
    auto tens_units = [&](std::size_t decine, std::size_t unita, std::string_view campo) {
        const auto a = valore(decine);
        const auto b = valore(unita);
        if (!a || !b) return std::string();
        return std::string(campo) + " " + std::to_string(basso16(basso16(*a) * 10 + basso16(*b)));
    };
    switch (indice) {
        case 2:
        case 7:
            return tens_units(2, 7, "valore_1");
        case 3:
        case 8:
            return tens_units(3, 8, "valore_2");
        case 4:
        case 9:
            return tens_units(4, 9, "valore_3");
        case 1:
        case 5:
        case 6: {
            const auto sx = valore(1), rapp = valore(5), dx = valore(6);
            if (!sx || !rapp || !dx) return "";
            const std::int64_t coppia = basso8(basso8(*sx) * 3 + basso8(*dx));
            return "valore_4 " +
                   std::to_string(basso16(basso16(*rapp) * 10 + basso16(*sx) * 3 + basso16(*dx))) +
                   ", approach marks " + std::to_string(basso8(coppia * 10 + 1)) + " to " +
                   std::to_string(basso8(coppia * 10 + 4));
        }
        default: {
            const auto sx = valore(1);
            if (sx && *sx != 2) return "0 (kept only when sx is 2)";
            const std::int64_t tempo = v >= 1 && v <= 100 ? 101 : v;
            return tempo == v && v == basso8(v) ? "" : std::to_string(basso8(tempo));
        }
    }
}

std::string memorizzato_rallentamento(std::size_t indice, const valore_di& valore) {
    const std::int64_t v = *valore(indice);
    const auto x = valore(0);
    switch (indice) {
        case 0: {
            std::string testo = "start board in " + testo_cella(cella_di(v));
            if (v > 1500) testo += ", warning board in " + testo_cella(cella_di(v - 1200));
            return testo;
        }
        case 1:
            return v == basso16(v) ? "" : std::to_string(basso16(v)) + " (low 16 bits)";
        case 2:
            return x ? "end board in " + testo_cella(cella_di(*x + v)) : "";
        case 4:
            if (v == 0) return "no marks before the warning board";
            if (x && *x <= 1500) return "no warning board, so no marks";
            return x ? "tipo 5 numbered 1 to 4 in cells " + std::to_string(indice_di(*x - 1200)) +
                           " down to " + std::to_string(indice_di(*x - 1200) - 3)
                     : "";
        default:
            return v == basso16(v) ? "" : std::to_string(basso16(v)) + " (low 16 bits)";
    }
}

std::string memorizzato_abbattimento(std::size_t indice, std::int64_t v) {
    if (indice == 0) return testo_cella(indice_di(v));
    if (v <= 0) return "tipo 13, no code";
    return "tipo 12, code " + std::to_string(basso16(v));
}

// The stop zone [inizio, fine] of a station, by its kind, as the reader lays it.
std::pair<std::int64_t, std::int64_t> zona(std::int64_t posizione, std::int64_t tipo,
                                           std::int64_t lunghezza, std::int64_t d6) {
    if (tipo == 5 || tipo == 6) return {posizione - lunghezza, posizione + 150};
    if (tipo == 7 || tipo == 8) return {posizione - lunghezza, posizione + lunghezza};
    const double meta = static_cast<double>(lunghezza) / 2.0;
    return {static_cast<std::int64_t>(arrotonda(static_cast<double>(posizione) - meta)),
            static_cast<std::int64_t>(
                arrotonda(static_cast<double>(posizione) + meta + (d6 != 0 ? 50 : 0)))};
}

std::string zona_di_fermata(const valore_di& valore) {
    const auto p = valore(0), t = valore(1), l = valore(2), d6 = valore(5);
    if (!p || !t || !l || !d6) return "";
    const auto [inizio, fine] = zona(*p, *t, *l, *d6);
    std::string testo =
        "stop zone " + std::to_string(inizio) + " to " + std::to_string(fine) + " m";
    if (*t >= 25) return testo + ", no cell marks";
    const double fermata = static_cast<double>(fine) / 50.0 - 1.0;
    testo += ", stop mark in " + testo_cella(static_cast<std::int64_t>(arrotonda(fermata)));
    if (*t != 5 && *t != 6 && fermata - 1.0 > 1.0) {
        const double ultima = fermata - 4.0 > 1.0 ? fermata - 4.0 : 2.0;
        testo += ", approach marks in cells " +
                 std::to_string(static_cast<std::int64_t>(arrotonda(fermata - 1.0))) + " to " +
                 std::to_string(static_cast<std::int64_t>(arrotonda(ultima)));
    }
    return testo;
}

std::string memorizzato_stazione(std::size_t indice, const valore_di& valore) {
    const std::int64_t v = *valore(indice);
    if (indice == 0 && !multiplo(v, 50)) return "not a multiple of 50: error 8";
    if (indice == 2 && !multiplo(v, 100)) return "not a multiple of 100: error 9";
    if (indice <= 2 || indice == 5) return zona_di_fermata(valore);
    if (indice == 4) {
        const auto l = valore(2);
        return v != 0 && l && *l < 600 ? "0 (cleared: the length is below 600 m)" : "";
    }
    if (indice >= 13 && indice <= 15) {
        const auto ore = valore(13), minuti = valore(14), secondi = valore(15);
        if (!ore || !minuti || !secondi) return "";
        const std::int64_t orario = basso32((*ore * 60 + *minuti) * 60 + *secondi);
        return "orario " + std::to_string(orario) + " s (" + ora_del_giorno(orario) + ")";
    }
    return "";
}

std::string memorizzato_orologio(const valore_di& valore) {
    const auto ore = valore(0), minuti = valore(1), secondi = valore(2);
    if (!ore || !minuti || !secondi) return "";
    return ora_del_giorno((*ore * 60 + *minuti) * 60 + *secondi);
}

std::string memorizzato_generale(std::string_view parola, std::size_t indice, std::int64_t v) {
    if (parola == "lunghezza percorso") {
        if (v < 0 || v > 1000000) return "error 1";
        const std::int64_t estesa = v + 7000;
        return "cells 0 to " + std::to_string(static_cast<std::int64_t>(arrotonda(estesa / 50.0))) +
               ", model to " + std::to_string(estesa) + " m";
    }
    if (parola.starts_with("progressiva")) {
        if (indice < 2 && !multiplo(v, 50)) return "not a multiple of 50: error 2";
        if (indice == 2 && v == 1) return "end + 100 m";
        return "";
    }
    if (parola.starts_with("ripetizione")) {
        if (!multiplo(v, 50))
            return indice == 0 ? "not a multiple of 50: error 3" : "not a multiple of 50: error 4";
        if (indice == 1 && v == 0) return "no repetition (0 codes)";
    }
    return "";
}

std::string memorizzato(const descrizione_parola_chiave& parola, std::size_t indice,
                        const valore_di& valore) {
    const auto letto = valore(indice);
    if (indice >= parola.valori.size() || !letto ||
        parola.valori[indice].larghezza == larghezza_valore::testo) {
        return "";
    }
    const std::int64_t v = *letto;
    const std::string_view p = parola.parola;
    if (p == "pendenza") return memorizzato_pendenza(indice, v);
    if (p.starts_with("curva")) return memorizzato_curva(parola, indice, v);
    if (p == "montagna") return memorizzato_montagna(indice, v);
    if (p == "indicatori_vmax") return memorizzato_indicatori(indice, valore);
    if (p == "cartello_indicatore") return memorizzato_cartello(indice, v);
    if (p == "velocita") return memorizzato_velocita(indice, v);
    if (p == "aderenza") return memorizzato_aderenza(indice, v);
    if (p == "orologio") return memorizzato_orologio(valore);
    if (p == "segnale") return memorizzato_segnale(indice, valore);
    if (p == "rallentamento") return memorizzato_rallentamento(indice, valore);
    if (p == "abbattimento") return memorizzato_abbattimento(indice, v);
    if (p == "stazione") return memorizzato_stazione(indice, valore);
    return memorizzato_generale(p, indice, v);
}

}  // namespace

std::span<const descrizione_parola_chiave> parole_chiave(sorgente file) {
    static const std::vector<descrizione_parola_chiave> linea =
        solo_descrizioni(sorgente::file_linea);
    static const std::vector<descrizione_parola_chiave> treno =
        solo_descrizioni(sorgente::file_treno);
    if (file == sorgente::file_linea) return linea;
    if (file == sorgente::file_treno) return treno;
    return {};
}

const descrizione_parola_chiave* parola_chiave_di(sorgente file, std::string_view primo_campo) {
    // The readers pass over a field with a hyphen and examine the next one in its place.
    if (contiene(primo_campo, "-")) return nullptr;
    const std::vector<voce>& elenco = voci(file);
    const campo_in_prova campo(primo_campo);
    for (std::size_t i = 0; i < elenco.size(); ++i) {
        if (!campo.supera(elenco[i].prova)) continue;
        if (elenco[i].descrizione.parola.starts_with("curva")) return curva_di(file, primo_campo);
        return &parole_chiave(file)[i];
    }
    return nullptr;
}

std::string valore_memorizzato(const descrizione_parola_chiave& parola, std::size_t indice,
                               std::int64_t valore) {
    return memorizzato(parola, indice, [&](std::size_t i) -> std::optional<std::int64_t> {
        if (i == indice) return valore;
        return std::nullopt;
    });
}

std::string valore_memorizzato(const descrizione_parola_chiave& parola, std::size_t indice,
                               std::span<const std::int64_t> numeri) {
    return memorizzato(parola, indice, [&](std::size_t i) -> std::optional<std::int64_t> {
        if (i < numeri.size()) return numeri[i];
        return std::nullopt;
    });
}

std::string_view nome_larghezza(larghezza_valore larghezza) {
    switch (larghezza) {
        case larghezza_valore::byte:
            return "byte";
        case larghezza_valore::intero16:
            return "16-bit";
        case larghezza_valore::intero32:
            return "32-bit";
        case larghezza_valore::testo:
            return "text";
    }
    return "";
}
