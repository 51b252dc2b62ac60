#!/usr/bin/python3
"""Writes a seeded, varied CSV file of inputs for `dravonel-cli batch`.

Usage: tools/make-batch-csv.py ROWS [SEED] > rows.csv

Every row is one the program accepts: both unit systems, every list entry, numbers on the hundredths a
form field holds, anywhere in their ranges, dates from 1990 to 3001 and times up to 24:60. Moisture and
state are empty for AC and PCC, as they must be. The same ROWS and SEED always give the same bytes.
"""
import random
import sys

SKY = ["Clear & Dry", "Humid & Hazy", "Partly Cloudy", "Mostly Cloudy", "Overcast"]
MIX = ["Dense Graded", "SMA", "Superpave-Fine", "Superpave-Coarse"]
PG_HIGH = ["82", "76", "70", "64", "58", "52", "46"]
PG_LOW = ["-10", "-16", "-22", "-28", "-34", "-40", "-46"]
MATERIAL = ["AC", "PCC", "Granular Base", "Subgrade Soil"]
# Ranges per unit system: air, wind, lift, delivery, surface (stored limits of the form).
RANGES = {
    "english": {"air": (-40, 120), "wind": (0, 120), "lift": (0.5, 10), "delivery": (150, 315),
                "surface": (-40, 120)},
    "si": {"air": (-40, 48.89), "wind": (0, 193.08), "lift": (12.7, 254), "delivery": (65.56, 157.2),
           "surface": (-40, 48.89)},
}
COLUMNS = ["id", "units", "air", "wind", "sky", "latitude", "mix", "pg-high", "pg-low", "lift", "delivery",
           "material", "moisture", "state", "surface", "date", "time"]


def hundredths(rng, low, high):
    return "%.15g" % (rng.randint(round(low * 100), round(high * 100)) / 100)


def quoted(text):
    return '"' + text.replace('"', '""') + '"' if any(c in text for c in ',"\r\n') else text


def main():
    rows = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
    out = sys.stdout
    out.write(",".join(COLUMNS) + "\n")
    for n in range(rows):
        units = rng.choice(["english", "si"])
        r = RANGES[units]
        material = rng.choice(MATERIAL)
        bound = material in ("AC", "PCC")
        year = rng.randint(1990, 3001)
        month = rng.randint(1, 12)
        day = rng.randint(1, 28)
        row = ["r%d" % (n + 1), units, hundredths(rng, *r["air"]), hundredths(rng, *r["wind"]), rng.choice(SKY),
               hundredths(rng, 0, 90), rng.choice(MIX), rng.choice(PG_HIGH), rng.choice(PG_LOW),
               hundredths(rng, *r["lift"]), hundredths(rng, *r["delivery"]), material,
               "" if bound else rng.choice(["Dry", "Wet"]), "" if bound else rng.choice(["Frozen", "Unfrozen"]),
               hundredths(rng, *r["surface"]), "%04d-%02d-%02d" % (year, month, day),
               "%02d:%02d" % (rng.randint(0, 24), rng.randint(0, 60))]
        out.write(",".join(quoted(v) for v in row) + "\n")


if __name__ == "__main__":
    main()
