// The long explanations of `compila_scenario spiega`, in the manner of `rustc --explain`.
#include "compilazione/spiegazioni.h"

#include <charconv>
#include <map>

#include "source_text/guida_campi.h"

namespace {

constexpr spiegazione_errore errori[] = {
    {1, "`lunghezza percorso` is missing, negative or above 1000000 m",
     "The line's length sizes the whole track model: 50 m cells up to 7000 m past the end of "
     "the line, and the plan of the line metre by metre. Without it nothing can be stored, so "
     "the compilation stops. Give the length once, in the general section, as a whole number "
     "of metres from 0 to 1000000.",
     sorgente::file_linea, "lunghezza percorso, 1500000", "lunghezza percorso, 15000", true},
    {2, "a kilometric reference's start or end is not a multiple of 50 m",
     "The three `progressiva chilometrica` lines give the line's kilometric references. Their "
     "start and end must fall on the 50 m grid of the cells. The compiler checks them only "
     "after both files have been read, so this error comes last and names no line: look at "
     "the three `progressiva chilometrica` lines of the line file.",
     sorgente::file_linea, "progressiva chilometrica uno, 1025, 9000, 0",
     "progressiva chilometrica uno, 1000, 9000, 0", true},
    {3, "the start of the cab-signal repetition is not a multiple of 50 m",
     "The stretch equipped with cab-signal repetition starts and ends on the 50 m grid of the "
     "cells. Round the start to a multiple of 50.",
     sorgente::file_linea, "ripetizione segnali 9 codici, 1025, 9000",
     "ripetizione segnali 9 codici, 1000, 9000", true},
    {4, "the end of the cab-signal repetition is not a multiple of 50 m",
     "The stretch equipped with cab-signal repetition starts and ends on the 50 m grid of the "
     "cells. Round the end to a multiple of 50 (an end of 0 means no repetition).",
     sorgente::file_linea, "ripetizione segnali 9 codici, 1000, 9010",
     "ripetizione segnali 9 codici, 1000, 9000", true},
    {5, "the cab-signal repetition line names neither 4 nor 9 codes",
     "The number of codes is read from the keyword itself: a keyword that holds a 4 gives 4 "
     "codes, else one that holds a 9 gives 9. Write `ripetizione segnali 9 codici` or "
     "`ripetizione segnali 4 codici`.",
     sorgente::file_linea, "ripetizione segnali codici, 1000, 9000",
     "ripetizione segnali 9 codici, 1000, 9000", true},
    {6, "a direction board falls on a cell that already holds an object",
     "A cell of 50 m holds one object. A direction board at position x goes into cell "
     "x / 50 + 1 (rounded, halves to even), so two boards less than 50 m apart, or a board "
     "and a maximum-speed board, can meet in one cell. Move the board by 50 m.",
     sorgente::file_linea,
     "cartello_indicatore, 8000, (BIVIO)(NORD)\ncartello_indicatore, 8010, (BIVIO)(SUD)",
     "cartello_indicatore, 8000, (BIVIO)(NORD)\ncartello_indicatore, 8050, (BIVIO)(SUD)", true},
    {7, "a reduction falls on a cell that already holds an object",
     "An `abbattimento` at position x goes into cell x / 50, without the + 1 that signals and "
     "boards take: a reduction at 4500 m shares cell 90 with a signal at 4450 m. Move the "
     "reduction to a free cell.",
     sorgente::file_treno, "segnale, 4450, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nabbattimento, 4500, 200",
     "segnale, 4450, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nabbattimento, 4550, 200", true},
    {8, "a station's position is not a multiple of 50 m",
     "Stations stand on the 50 m grid of the cells: their stop zone and stop mark are derived "
     "from the position. Round the position to a multiple of 50.",
     sorgente::file_treno, "stazione, 3725, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA",
     "stazione, 3750, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA", true},
    {9, "a station's length is not a multiple of 100 m",
     "Most kinds lay the stop zone half the length before and half after the position, so "
     "the length must be a multiple of 100 for the zone to stay on the 50 m grid. Round the "
     "length (the third value) to a multiple of 100.",
     sorgente::file_treno, "stazione, 3750, 12, 450, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA",
     "stazione, 3750, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA", true},
    {10, "too many stations: the station table is full",
     "Stations and direction-board texts share rows 1 to 80 of the .sim: stations fill them "
     "from row 1 up, board texts from row 80 down. With B direction boards in the line file "
     "there is room for 78 − B stations; the next one is stored and then reported. Remove "
     "stations or direction boards.",
     sorgente::file_treno, "stazione, 31300, 5, 500, 0, 0, 0, 1, 1, 0, 2, 1, 1, 1, 12, 0, 0, OMEGA",
     "(the same station, with one direction board or one station less elsewhere)", false},
    {11, "no free cell for the reduction in front of a signal near a slowdown warning",
     "The code pass puts a code-180 reduction in front of every signal within the 20 cells "
     "(1000 m) before a slowdown's warning board: in the cell just before the signal or the "
     "one before that. When both hold other objects (a signal, a station's stop mark, a "
     "board), there is no room. Move one of the objects in front of the signal, or the "
     "slowdown.",
     sorgente::file_treno,
     "segnale, 3400, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 3450, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 3500, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 600, 0, 0, 0",
     "segnale, 3300, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 3400, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 3500, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 600, 0, 0, 0",
     true},
    {12, "no free cell for a reduction before a slowdown",
     "The code pass puts code-180 reductions in three groups of cells before every slowdown's "
     "start board: 5 to 7, 11 to 13 and 18 to 20 cells before it (250 to 350 m, 550 to 650 m "
     "and 900 to 1000 m). Each group needs one free cell. Move the objects that fill the "
     "group, or the slowdown.",
     sorgente::file_treno,
     "segnale, 4650, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 4700, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 4750, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 600, 0, 0, 0",
     "segnale, 4550, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 4600, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 4650, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 600, 0, 0, 0",
     true},
    {13, "no free cell for a reduction inside a slowdown or in front of the signal after it",
     "Through a slowdown below 110 km/h the code pass puts a code-180 reduction every 8 cells "
     "(400 m), one cell earlier or later when the cell is taken, and one in front of the first "
     "signal within 12 cells after the slowdown's end. When a cell and both its neighbours "
     "are taken, or both cells in front of that signal, there is no room. Move the objects "
     "inside the slowdown.",
     sorgente::file_treno,
     "segnale, 5350, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 5400, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 5450, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 1000, 0, 0, 0",
     "segnale, 5550, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 5600, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\n"
     "segnale, 5650, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nrallentamento, 5000, 60, 1000, 0, 0, 0",
     true},
    {15, "a position outside the line",
     "Every position must leave room at the end of the model, which runs 7000 m past the end "
     "of the line: (position + 100) / 50 may not pass the last cell ((position + 800) / 50 "
     "for a station). A feature may not fall before cell 0 either, the line file holds at "
     "most 80 mountain sections and 79 direction boards. The reading of that file stops at "
     "the line; in the line file, the train run file is still read. Move or remove the line.",
     sorgente::file_linea, "pendenza, 19000, 5", "pendenza, 11000, 5", true},
    {16, "a signal falls on a cell that already holds an object",
     "A signal at position x goes into cell x / 50 + 1 (rounded, halves to even); the cell "
     "must hold nothing but, at most, a mountain's scenery marker. Two signals less than 50 m "
     "apart meet in one cell, and a signal meets a slowdown board or a station's stop mark "
     "written before it. Move the signal.",
     sorgente::file_treno,
     "segnale, 2500, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 2510, 2, 4, 0, 0, 0, 2, 2, 0, 0, 0",
     "segnale, 2500, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\nsegnale, 2550, 2, 4, 0, 0, 0, 2, 2, 0, 0, 0",
     true},
    {17, "a slowdown's warning board falls on a cell that already holds an object",
     "A slowdown that starts beyond 1500 m gets a warning board 1200 m before its start, in "
     "cell (x − 1200) / 50 + 1. Here a station's stop mark holds that cell. Move the slowdown "
     "or the object.",
     sorgente::file_treno,
     "stazione, 3700, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 600, 0, 0, 0",
     "stazione, 3700, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5200, 60, 600, 0, 0, 0",
     true},
    {18, "a slowdown's start falls on a cell that already holds an object",
     "The start board of a slowdown goes into cell x / 50 + 1. Here a station's stop mark "
     "holds that cell. Move the slowdown or the object.",
     sorgente::file_treno,
     "stazione, 4900, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 600, 0, 0, 0",
     "stazione, 4900, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5100, 60, 600, 0, 0, 0",
     true},
    {19, "a slowdown's end falls on a cell that already holds an object",
     "The end board of a slowdown goes into cell (x + l) / 50 + 1. Here a station's stop mark "
     "holds that cell. Change the slowdown's length or move it.",
     sorgente::file_treno,
     "stazione, 5500, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 600, 0, 0, 0",
     "stazione, 5500, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 650, 0, 0, 0",
     true},
    {20, "the four cells before a slowdown's warning board are not free",
     "With a fifth value (f_ta) other than 0, the four cells just before the warning board are "
     "marked too, and all four must be free. The three boards have already been written when "
     "this is found. Free the cells, or set f_ta to 0.",
     sorgente::file_treno,
     "stazione, 3600, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 600, 0, 1, 0",
     "stazione, 3600, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA\n"
     "rallentamento, 5000, 60, 600, 0, 0, 0",
     true},
    {21, "a maximum-speed board falls on a cell that already holds an object",
     "A maximum-speed board at position x goes into cell x / 50 + 1 (rounded, halves to "
     "even). Two boards less than 50 m apart meet in one cell. Move the board.",
     sorgente::file_linea,
     "indicatori_vmax, 1500, 100, 105, 110, 0, 100, 105, 110, 0\n"
     "indicatori_vmax, 1510, 90, 90, 100, 0, 90, 90, 100, 0",
     "indicatori_vmax, 1500, 100, 105, 110, 0, 100, 105, 110, 0\n"
     "indicatori_vmax, 1550, 90, 90, 100, 0, 90, 90, 100, 0",
     true},
    {22, "a station's stop zone starts less than 350 m after the previous one ends",
     "Stations go in order of position, and each stop zone must start at least 350 m after "
     "the previous station's zone ends. A station listed before one that lies ahead of it "
     "gets this error too. Space the stations, or put them in order of position.",
     sorgente::file_treno,
     "stazione, 3750, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 30, 0, ALFA\n"
     "stazione, 4000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA",
     "stazione, 3750, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 30, 0, ALFA\n"
     "stazione, 4500, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA",
     true},
    {24, "a station's stop zone ends within the first 100 m of the line",
     "A station of kind below 25 puts its stop mark into the cell before its zone's end; that "
     "cell must be past cell 1, which holds the header of the cell file. Move the station on, "
     "or lengthen it.",
     sorgente::file_treno, "stazione, 0, 12, 100, 0, 0, 0, 1, 1, 0, 4, 1, 1, 1, 7, 30, 0, ALFA",
     "stazione, 0, 2, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 1, 7, 30, 0, ALFA", true},
    {25, "a field could not be read",
     "The compiler asked for a value and found none it could use: a number that is not a "
     "plain decimal integer (a fraction such as `400.5`, letters; a decimal comma, `400,5`, makes "
     "two values), a number too "
     "large for its width (a byte holds 0 to 255, a 16-bit value −32768 to 32767), a value "
     "missing at the end of the file, a speed above 1277 km/h, a gradient outside −100 to "
     "155 ‰. The message names what was found and the caret points at the field. Here the "
     "sixth value of a station is a byte.",
     sorgente::file_treno,
     "stazione, 3750, 12, 400, 0, 0, 300, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA",
     "stazione, 3750, 12, 400, 0, 0, 1, 1, 1, 0, 4, 1, 1, 60, 7, 36, 0, BETA", true},
    {101, "the line file was not found",
     "The compiler reads the line file first and found no ordinary file under the name it "
     "was given. Check the name and the folder: the line file is `NAME_linea.txt` and the "
     "train run file beside it `NAME_NUMBER-.txt`.",
     sorgente::file_linea, "compila_scenario compile Linea_lina.txt Linea_1-.txt",
     "compila_scenario compile Linea_linea.txt Linea_1-.txt", false},
    {102, "the line file has no `[generale]` section",
     "Everything before the field `[generale]` is ignored, and the line file's general "
     "section must follow it. A file whose only `[generale]` is its very last line counts as "
     "having none. Start the file with a line `[generale]`. A file saved as UTF-16 also ends "
     "here: save it as Windows-1252, or let `--encoding auto` (the default) convert "
     "UTF-8 and UTF-16 files that begin with a byte-order mark.",
     sorgente::file_linea, "generale\nlunghezza percorso, 12000",
     "[generale]\nlunghezza percorso, 12000", false},
    {103, "a curve has no grade 1 to 6, or the plan passes 1000000 m",
     "The curvature is read from the curve keyword itself: `curva`, `d` or `s`, and a grade "
     "digit 1 to 6. A keyword without one of those digits has no curvature. The plan of the "
     "line may also not pass metre 1000000. Write the grade into the keyword.",
     sorgente::file_linea, "curvad, 2000, 800", "curvad2, 2000, 800", true},
    {1250, "the cell file's header cell is already taken",
     "Cell 1 of the cell file carries a marker and a check code, so no object may fill its "
     "first value: a signal or board at 0 to 24 m, or a reduction at 26 to 74 m, lands "
     "there. Move the object away from the first 75 m. Nothing is written.",
     sorgente::file_treno, "segnale, 0, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0",
     "segnale, 100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0", true},
    {1251, "the cell file's header cell already has a second value",
     "Cell 1 of the cell file carries a check code in its second value: an object at 0 m "
     "(0 to 24 m) whose second value is set lands there. Move the object away from the first 75 m. "
     "Nothing is written.",
     sorgente::file_treno, "segnale, 0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0",
     "segnale, 100, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0", true},
};

std::string rientrato(std::string_view righe) {
    std::string t;
    std::size_t inizio = 0;
    for (;;) {
        const std::size_t fine = righe.find('\n', inizio);
        t += "    " + std::string(righe.substr(inizio, fine - inizio)) + "\n";
        if (fine == std::string_view::npos) return t;
        inizio = fine + 1;
    }
}

// Characters of a UTF-8 text, for the width of a terminal line.
std::size_t caratteri(std::string_view testo) {
    std::size_t n = 0;
    for (const char c : testo) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// A paragraph broken into lines of at most 80 characters, at blanks.
std::string a_capo(std::string_view paragrafo) {
    constexpr std::size_t larghezza = 80;
    std::string testo;
    std::size_t riga = 0;
    std::size_t inizio = 0;
    while (inizio < paragrafo.size()) {
        std::size_t fine = paragrafo.find(' ', inizio);
        if (fine == std::string_view::npos) fine = paragrafo.size();
        const std::string_view parola = paragrafo.substr(inizio, fine - inizio);
        if (riga > 0 && riga + 1 + caratteri(parola) > larghezza) {
            testo += "\n";
            riga = 0;
        } else if (riga > 0) {
            testo += " ";
            ++riga;
        }
        testo += parola;
        riga += caratteri(parola);
        inizio = fine + 1;
    }
    return testo + "\n";
}

std::string testo_errore(const spiegazione_errore& e) {
    const std::string file = e.file == sorgente::file_linea ? "line file" : "train run file";
    return a_capo("Error " + std::to_string(e.numero) + ": " + std::string(e.titolo)) + "\n" +
           a_capo(e.testo) + "\nErroneous example (" + file + "):\n\n" + rientrato(e.sbagliato) +
           "\nCorrected:\n\n" + rientrato(e.corretto) + "\n" +
           a_capo(
               "Every keyword and value is described in docs/scenario-format.md, and "
               "`compila_scenario spiega KEYWORD` prints one of them.");
}

// The warnings, by their name: what each finds and how to fix the line.
constexpr spiegazione_avviso avvisi_spiegati[] = {
    {"parola-sconosciuta", "a line's first field is no keyword of its file",
     "Every line after `[generale]` begins with its keyword. A field that is no keyword of the "
     "file is passed over without a word, and so is every value after it: the line has no "
     "effect at all. The warning names the nearest keyword (up to two letters wrong) and says "
     "when the word is a keyword of the other file. The general section's keywords are matched "
     "in exact case: write them in small letters.",
     sorgente::file_treno, "stazone, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ROMA",
     "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ROMA", true},
    {"sezione-sbagliata", "a line file keyword stands in the wrong section",
     "The line file's general section runs from `[generale]` to the first `[...]` header; its "
     "keywords are read only there, and the later ones (curves, gradients, mountains, boards) "
     "only after it. A keyword in the other part is ignored.",
     sorgente::file_linea, "pendenza, 3000, 5\n[pendenze]", "[pendenze]\npendenza, 3000, 5", true},
    {"numero-valori", "a keyword line holds fewer or more values than its keyword reads",
     "The readers do not read lines: they read a stream of fields. A line short of values takes "
     "the missing ones from the next line; a value too many is read as a keyword field of its "
     "own and ignored, and a decimal comma splits a number in two. The warning says how many "
     "values the keyword wants, how many the line has, and which line the missing ones come "
     "from. Values are whole numbers.",
     sorgente::file_treno, "rallentamento, 400,5, 30, 100, 0, 0, 0",
     "rallentamento, 400, 30, 100, 0, 0, 0", true},
    {"nome-stazione", "a station's name is missing or is a number",
     "The station's name is its last value and runs to the end of the line. With one number "
     "too many the last number becomes the name and the real name is ignored; with a number "
     "too few the name is taken from the next line.",
     sorgente::file_treno,
     "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, 0, ROMA",
     "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ROMA", true},
    {"ordine", "lines that go in increasing position are out of order",
     "`velocita`, `aderenza` and `pendenza` lines each fill the cells from their position up to "
     "the next line's; curves build the plan metre by metre; stations lie one after the other. "
     "A line that comes after one further on does not act where it says: the warning tells "
     "from which cell or metre the compiled scenario holds it. Stations out of order get "
     "error 22, and the warning's note says why.",
     sorgente::file_treno, "velocita, 0, 60\nvelocita, 5000, 95\nvelocita, 3000, 80",
     "velocita, 0, 60\nvelocita, 3000, 80\nvelocita, 5000, 95", true},
    {"curve-sovrapposte", "a curve starts before the previous curve ends",
     "The plan of the line is built metre by metre: a curve bends only the metres not yet "
     "built, so the part that overlaps the previous curve is lost. The warning tells which "
     "metres the curve still bends.",
     sorgente::file_linea, "[curve]\ncurvas2, 1800, 1100\ncurvad3, 2500, 500",
     "[curve]\ncurvas2, 1800, 1100\ncurvad3, 3000, 500", true},
    {"negativo", "a length or a position is negative",
     "Lengths and positions are metres from the start of the line, 0 or more. A negative "
     "length turns a station's stop zone or a slowdown around, a curve with one does not "
     "bend, and a negative position lies before the line.",
     sorgente::file_treno,
     "stazione, 4700, 12, -400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ROMA",
     "stazione, 4700, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, ROMA", true},
    {"fuori-passo", "a signal, board, slowdown or reduction is not on a multiple of 50 m",
     "Point features go into the 50 m cells of the track model: one that is not on a multiple "
     "of 50 m is moved to the nearest cell (halves to the even one). The note tells the cell "
     "and the metres where it lands.",
     sorgente::file_treno, "segnale, 6560, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0",
     "segnale, 6550, 2, 2, 3, 0, 1, 0, 0, 0, 0, 0", true},
    {"bit-bassi", "a value outside its range is stored without a test",
     "Some values go into a byte or a 16-bit field of the compiled scenario, or are put "
     "together with another value, with no test: the adhesion keeps its low 8 bits (300 "
     "becomes 44), a reduction's code its low 16 bits, a signal's digits run into each other. "
     "The warning tells what the compiled scenario holds.",
     sorgente::file_treno, "aderenza, 0, 300", "aderenza, 0, 100", true},
    {"generale-mancante", "the train run file has no `[generale]` line",
     "Everything before `[generale]` is ignored: a train run file without it compiles to an "
     "empty train, with no error. Put `[generale]` on the file's first line.",
     sorgente::file_treno, "numero vetture, 5", "[generale]\nnumero vetture, 5", false},
    {"file-vuoto", "a source file is empty",
     "An empty line file is error 102; an empty train run file compiles to an empty train. "
     "Both usually mean the wrong file was given.",
     sorgente::file_treno, "", "[generale]\nnumero vetture, 5", false},
    {"non-raggiunto", "a line the readers would reject, after the reading stopped",
     "The readers stop at the first error of a file (and the train run file is not read after "
     "most errors of the line file). The checking pass reads on, and tells for each later line "
     "the error number it would get, so that one run shows every one of them.",
     sorgente::file_treno,
     "stazione, 3725, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, A\n"
     "stazione, 9725, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, B",
     "stazione, 3750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, A\n"
     "stazione, 9750, 12, 400, 0, 1, 1, 1, 1, 0, 5, 1, 1, 60, 6, 20, 54, B",
     true},
    {"utf16-senza-bom", "a file holds NUL bytes and no byte-order mark",
     "A file saved as UTF-16 without a byte-order mark has a NUL byte beside every letter, "
     "and the readers find no keyword in it (a line file gets error 102). Save the file as "
     "UTF-8 or Windows-1252, or compile it with `--encoding utf-16`.",
     sorgente::file_linea, "", "", false},
    {"codifica", "a file was converted from UTF-8 or UTF-16 (a note)",
     "Scenario files are Windows-1252. A file that is valid UTF-8 with at least one character "
     "beyond ASCII, or UTF-16 with a byte-order mark, is converted (`--encoding auto`); the "
     "note names the encoding. A character that Windows-1252 cannot hold is an error at its "
     "line and column, and nothing is written. `--encoding cp1252` reads every file byte for "
     "byte.",
     sorgente::file_treno, "", "", false},
};

std::string testo_avviso(const spiegazione_avviso& a) {
    const std::string file = a.file == sorgente::file_linea ? "line file" : "train run file";
    std::string t = a_capo("Warning -W" + std::string(a.nome) + ": " + std::string(a.titolo)) +
                    "\n" + a_capo(a.testo);
    if (!a.sbagliato.empty()) {
        t += "\nErroneous example (" + file + "):\n\n" + rientrato(a.sbagliato) +
             "\nCorrected:\n\n" + rientrato(a.corretto);
    }
    return t + "\n" +
           a_capo("-Wno-" + std::string(a.nome) +
                  " silences it; -Werror makes every "
                  "warning count as a finding (exit status 2).");
}

// Warnings are explained by their name, as `-Wno-NAME` takes it.
const std::map<std::string_view, std::string>& spiegazioni_avvisi() {
    static const std::map<std::string_view, std::string> avvisi = [] {
        std::map<std::string_view, std::string> m;
        for (const spiegazione_avviso& a : avvisi_spiegati) m.emplace(a.nome, testo_avviso(a));
        return m;
    }();
    return avvisi;
}

// `spiega avvisi`: every warning's name and title.
std::string elenco_avvisi() {
    std::string t;
    for (const spiegazione_avviso& a : avvisi_spiegati) {
        t += "-W" + std::string(a.nome) + ": " + std::string(a.titolo) + "\n";
    }
    return t;
}

std::optional<std::int32_t> come_numero(std::string_view testo) {
    std::int32_t n = 0;
    const auto [fine, esito] = std::from_chars(testo.data(), testo.data() + testo.size(), n);
    if (esito != std::errc() || fine != testo.data() + testo.size()) return std::nullopt;
    return n;
}

const descrizione_parola_chiave* parola_esatta(std::string_view nome) {
    for (const sorgente file : {sorgente::file_linea, sorgente::file_treno}) {
        for (const descrizione_parola_chiave& p : parole_chiave(file)) {
            if (p.parola == nome) return &p;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const spiegazione_errore> spiegazioni_errori() {
    return errori;
}

std::span<const spiegazione_avviso> spiegazioni_degli_avvisi() {
    return avvisi_spiegati;
}

std::optional<std::string> spiegazione(std::string_view numero_o_nome) {
    if (const auto numero = come_numero(numero_o_nome)) {
        for (const spiegazione_errore& e : errori) {
            if (e.numero == *numero) return testo_errore(e);
        }
        return std::nullopt;
    }
    std::string_view nome = numero_o_nome;
    if (nome == "avvisi") return elenco_avvisi();
    if (nome.starts_with("-W")) nome.remove_prefix(2);
    const auto& avvisi = spiegazioni_avvisi();
    if (const auto trovato = avvisi.find(nome); trovato != avvisi.end()) {
        return trovato->second;
    }
    if (const descrizione_parola_chiave* p = parola_esatta(numero_o_nome)) {
        return scheda_parola_chiave(*p);
    }
    return std::nullopt;
}
