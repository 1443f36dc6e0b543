#!/usr/bin/env python3
"""Writes the sheet-file fixtures of the tests: Windows-1252 bytes, CR LF line ends.

Run it from tests/data/sheetfile. The files are kept in the repository; this script
says how they were made. complet.pxr and zorvane.zrv are exactly what saving writes for
the sheets they hold, so loading and saving them again must give the same bytes.
"""

COMPLETE = [
    "V2",
    "DUPONT",
    "Jean-Pierre",
    "12",
    "Bis",
    "rue de l'Église, « chez Zoé »",
    "75001",
    "PARIS",
    "01 23 45 67 89",
    "01.98.76.54.32",
    "06 12 34 56 78",
    "jp.dupont@exemple.fr",
    "http://www.exemple.fr/~jp",
    "1965",
    "  Développeur; \"indépendant\"  ",
    "1",
    "0",
    "1 Club Œuvre",
    "SCRIBOUILLE",
    "Un éditeur de textes.\nDeux lignes, « ; » et \"guillemets\".",
    "3",
    "1",
    "4",
    "2.0 BÊTA",
    "12/05/2000",
    " Pascal ",
    "7.0",
    "1",
    "Limité à 30 jours.\n",
    "2",
    "Bureautique",
    "Euro",
    "Partagiciel, maison",
    "50",
    "1",
    "",
    "3",
    "",
    "5",
    "",
    "7",
    "Mises à jour payées en €\nŸ compris  ",
    "10",
    " 1 ",
]

ZORVANE = [
    "V2", "MARTIN", "Anne", "", "", "", "", "LYON", "", "", "", "", "", "", "",
    "0", "1", "0", "JEU DE PISTE", "", "", "2", "", "", "", "", "", "2", "", "",
    "Jeux", "Réflexion", "Assimilé", "", "", "", "", "", "", "", "", "", "4", " 2 ",
]

EARLIER = [
    "DURAND", "Paul", "7", "Ter", "avenue Foch", "69006", "LYON", "04 78 00 00 00",
    "04 78 11 11 11", "paul@exemple.fr", "http://exemple.fr", "12/05/1965", "Professeur",
    "1", "0", "1 ZOLK Sud", "CALCULETTE", "Une calculette.", "2", "3", "ligne 21 ignorée",
    "1.5", "01/02/1999", "ligne 24 ignorée", "Basic", "4.5", "1", "Démo limitée.", "1",
    "Logiciel libre", "100", "1", "", "3", "", "", "6", "7", "Mises à jour",
] + ["ligne %d ignorée" % n for n in range(40, 50)] + ["2"]


def write(name, lines, end="\r\n"):
    with open(name, "wb") as f:
        f.write("".join(line + end for line in lines).encode("cp1252"))


assert len(COMPLETE) == 44 and len(ZORVANE) == 44 and len(EARLIER) == 50
write("complet.pxr", COMPLETE)
write("zorvane.zrv", ZORVANE)
write("ancienne.pxr", EARLIER)
# The same sheet after a copy that turned every CR LF into LF; its multi-line texts
# then have no line break left, since it would end their line.
write("complet-lf.pxr", [line.replace("\n", " ") for line in COMPLETE], end="\n")
