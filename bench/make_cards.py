#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a realistic card file: N cards of 25 fields, Windows-1252, CR LF."""
import random
import sys

SURNAMES = ["Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker",
            "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf",
            "Schröder", "Neumann", "Schwarz", "Zimmermann", "Braun", "Krüger", "Hofmann",
            "Hartmann", "Lange", "Schmitt", "Werner", "Krause", "Meier", "Lehmann", "Köhler",
            "Ärger", "Özdemir", "Abel", "Zander", "Groß", "Weiß", "Jäger", "Böhm", "Vogel"]
FIRST = ["Hans", "Peter", "Anna", "Maria", "Jürgen", "Uwe", "Sabine", "Klaus", "Ute", "Jörg",
         "Monika", "Dieter", "Renate", "Günter", "Birgit", "Stefan", "Andrea", "Michael"]
STREETS = ["Hauptstraße", "Schulstraße", "Gartenweg", "Bahnhofstr.", "Dorfstraße", "Am Anger",
           "Lindenallee", "Mühlenweg", "Kirchplatz", "Birkenweg", "Ringstraße", "Rosenstr."]
TOWNS = ["München", "Köln", "Düsseldorf", "Nürnberg", "Würzburg", "Lübeck", "Göttingen",
         "Osnabrück", "Saarbrücken", "Bonn", "Ulm", "Aalen", "Fürth", "Gießen", "Essen"]
FUELS = ["Heizöl", "Erdgas", "Stadtgas", "Kokereigas", "Flüssiggas"]


def card(rng):
    surname = rng.choice(SURNAMES)
    if rng.random() < 0.3:
        surname += "-" + rng.choice(SURNAMES)
    name = f"{surname} {rng.choice(FIRST)} {rng.choice('ABCDEFGHIJKLMNOPRSTUVWZ')}."[:20]
    street = f"{rng.choice(STREETS)} {rng.randint(1, 199)}"[:20]
    town = rng.choice(TOWNS)[:16]
    t_gas = rng.uniform(90, 260)
    t_air = rng.uniform(5, 30)
    o2 = rng.uniform(2, 9)
    co2 = 15.4 * (21 - o2) / 21
    values = [rng.choice(FUELS), f"{t_gas:.1f}", f"{t_air:.1f}", f"{rng.uniform(40, 80):.1f}",
              f"{o2:.1f}", f"{co2:.1f}", str(rng.randint(0, 120)), str(rng.randint(0, 90)),
              f"{21 / (21 - o2):.2f}", f"{rng.uniform(4, 12):.1f}", f"{rng.uniform(88, 96):.1f}",
              f"{rng.randint(1, 28):02d}.{rng.randint(1, 12):02d}.24",
              f"{rng.randint(7, 18):02d}:{rng.randint(0, 59):02d}", f"{rng.uniform(0, 0.3):.2f}",
              str(rng.randint(0, 1)), str(rng.randint(0, 2)), str(rng.randint(0, 2)),
              str(rng.randint(0, 2)), str(rng.randint(0, 300)), f"{rng.uniform(40, 50):.1f}",
              f"{rng.uniform(980, 1030):.0f}", f"{rng.uniform(18, 25):.1f}"]
    return ",".join([name, street, town] + values)


def main():
    path = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    rng = random.Random(3)
    with open(path, "wb") as out:
        for _ in range(count):
            out.write(card(rng).encode("cp1252") + b"\r\n")


if __name__ == "__main__":
    main()
