#include "source_text/scenario_incorporato.h"

#include "source_text/testo_scenario.h"

const std::vector<std::string>& righe_file_linea() {
    static const std::vector<std::string> righe{
        "[generale]",
        "lunghezza percorso,    32000",
        "progressiva chilometrica uno,    0,    0,    0",
        "progressiva chilometrica due,    0,    0,    0",
        "progressiva chilometrica tre,    0,    0,    0",
        "sfondo uno,    1",
        "sfondo due,    0",
        "sfondo tre,    0",
        "ripetizione segnali 9 codici,    7150,    27450",
        "[curve]",
        "curvas2,  1800,  1100",
        "curvad4,  4200,  400",
        "curvas4,  4600,  800",
        "curvad4,  5400,  1000",
        "curvas3,  8750,  1250",
        "curvad3,  10000,  1000",
        "curvas2,  12000,  1000",
        "curvad2,  13000,  850",
        "curvad2,  15000,  1000",
        "curvas2,  17050,  950",
        "curvad2,  18000,  700",
        "curvad1,  20500,  800",
        "curvas3,  22450,  1200",
        "curvad4,  29400,  1000",
        "[pendenze]",
        "[montagne]",
        "[cartelli]",
        "indicatori_vmax,  800,  90,  90,  100,  0,  90,  90,  100,  0",
        "indicatori_vmax,  2900,  90,  100,  105,  0,  90,  100,  105,  0",
        "indicatori_vmax,  7750,  60,  65,  70,  0,  60,  65,  70,  0",
        "indicatori_vmax,  9150,  100,  105,  110,  0,  100,  105,  110,  0",
        "indicatori_vmax,  21500,  90,  100,  110,  0,  90,  100,  100,  0",
        "indicatori_vmax,  22850,  100,  110,  125,  0,  100,  110,  125,  0",
        "indicatori_vmax,  28950,  60,  65,  70,  0,  60,  65,  70,  0",
        "indicatori_vmax,  30150,  60,  60,  60,  0,  60,  60,  60,  0",
        "[indicazioni]",
        "cartello_indicatore,  1800,   (  BIVIO  )(TIBURTINA)",
        "cartello_indicatore,  9100,   (CASA CANTONIERA)(   KM. 9+187   )",
        "cartello_indicatore,  25950,   (RACCORDO)(VIGNOLE )",
        "cartello_indicatore,  29400,   (BIVIO)(PORTO)",
        "[fine]",
    };
    return righe;
}

const std::vector<std::string>& righe_file_treno() {
    static const std::vector<std::string> righe{
        "[generale]",
        "numero vetture,    5",
        "percentuale massa frenata,    100",
        "sabbia,    0",
        "orologio,    6               21            54 ",
        "[aderenze]",
        "aderenza,   0,    100",
        "[vel_limite]",
        "velocita,   0,    30",
        "[stazioni]",
        "stazione,       0,  2,  700,  0, 0, 1,  1,1,0,  4,1,1,    1,   6,20,54, ROMA TIBURTINA",
        "stazione,    3750, 12,  400,  0, 1, 1,  1,1,0,  5,1,1,   60,   6,20,54, ROMA TUSCOLANA",
        "stazione,    7150,  2,  700,  1, 1, 1,  3,1,0,  2,1,1,   60,   6,20,54, ROMA OSTIENSE",
        "stazione,    8700, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,   60,   6,20,54, ROMA TRSTEVERE",
        "stazione,   11450, 28,  300,  0, 0, 0,  0,0,0,  0,0,0,   60,   6,20,54, VILLA BONELLI",
        "stazione,   14400, 12,  400,  0, 0, 1,  1,1,0,  4,1,1,   60,   6,20,54, MAGLIANA",
        "stazione,   16600, 28,  300,  0, 0, 0,  0,0,0,  0,0,0,   60,   6,20,54, MURATELLA",
        "stazione,   22200, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,   60,   6,20,54, PONTE GALERIA",
        "stazione,   31300,  5,  500,  0, 0, 0,  1,1,0,  2,1,1,    1,  12, 0, 0, FIUMICINO "
        "AEROEPORTO",
        "[rallentamenti]",
        "[segnali]",
        "segnale,    1900,   2, 3, 1,  0, 0,    0,  0,0,0, 0",
        "segnale,    5400,   2, 5, 6,  0, 0,    0,  0,0,0, 0",
        "segnale,    6550,   2, 2, 3,  0, 1,    0,  0,0,0, 0",
        "segnale,   10150,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   12000,   2, 3, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   16550,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   18100,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   19950,   2, 3, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   23700,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   24850,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   26200,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   27450,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "segnale,   29350,   2, 4, 0,  0, 0,    2,  2,0,0, 0",
        "[codici]",
        "[fine]",
    };
    return righe;
}

std::string testo_file_linea() {
    return componi_testo(tabella_con_marcatore(righe_file_linea()));
}

std::string testo_file_treno() {
    return componi_testo(tabella_con_marcatore(righe_file_treno()));
}
