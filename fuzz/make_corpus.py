#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_calculate: the worked examples of every case, a few refusals
and the texts users really type, in the target's input format (see fuzz_calculate.cpp).

    python3 fuzz/make_corpus.py [DIR]      # default: fuzz/corpus next to this script
"""
import pathlib
import struct
import sys

# Selection codes: geometry, heat, flow, fluid, sphere.
PLATE_T_LAM = (1, 1, 1, 1, 0)
PLATE_T_METAL = (1, 1, 1, 2, 0)
PLATE_T_TURB = (1, 1, 2, 0, 0)
PLATE_T_MIXED = (1, 1, 3, 0, 0)
PLATE_Q_LAM = (1, 2, 1, 0, 0)
PLATE_Q_TURB = (1, 2, 2, 0, 0)
UNHEATED_LAM = (1, 3, 1, 0, 0)
UNHEATED_TURB = (1, 3, 2, 0, 0)
CYLINDER = (2, 0, 0, 0, 0)
SPHERE = (3, 0, 0, 0, 1)
DROPS = (3, 0, 0, 0, 2)
START = (1, 0, 0, 0, 0)

# name: (selection, Re, Pr, Prs, L, x, xi, mu, mus)
SEEDS = {
    "plate_laminar": (PLATE_T_LAM, "10000", "1", "", "", "", "", "", ""),
    "plate_laminar_pr06": (PLATE_T_LAM, "10000", "0.6", "", "", "", "", "", ""),
    "plate_churchill_ozoe": (PLATE_T_LAM, "20000", "0.01", "", "", "", "", "", ""),
    "plate_liquid_metal": (PLATE_T_METAL, "10000", "0.01", "", "", "", "", "", ""),
    "plate_turbulent": (PLATE_T_TURB, "1000000", "1", "", "", "", "", "", ""),
    "plate_mixed": (PLATE_T_MIXED, "1000000", "1", "", "", "", "", "", ""),
    "flux_laminar": (PLATE_Q_LAM, "10000", "1", "", "", "", "", "", ""),
    "flux_turbulent": (PLATE_Q_TURB, "1000000", "1", "", "", "", "", "", ""),
    "unheated_laminar": (UNHEATED_LAM, "100000", "0.7", "", "1", "0.5", "0.2", "", ""),
    "unheated_turbulent": (UNHEATED_TURB, "1000000", "0.7", "", "1", "0.5", "0.2", "", ""),
    "cylinder": (CYLINDER, "10000", "0.7", "0.7", "", "", "", "", ""),
    "cylinder_zhukauskas_failed": (CYLINDER, "3000000", "0.7", "0.7", "", "", "", "", ""),
    "sphere": (SPHERE, "1000", "0.7", "", "", "", "", "1.8e-5", "1.5e-5"),
    "drops": (DROPS, "100", "7", "", "", "", "", "", ""),
    "prompts_left": (START, "Enter Reynolds #", "Enter Prandtl #", "", "", "", "", "", ""),
    "comma_and_blanks": (PLATE_T_LAM, "10,000", "  ", "", "", "", "", "", ""),
    "negative": (PLATE_Q_LAM, "-1", "0.7", "", "", "", "", "", ""),
    "overflow": (PLATE_T_TURB, "1e308", "1e308", "", "", "", "", "", ""),
    "inf_nan": (CYLINDER, "inf", "nan", "-inf", "", "", "", "", ""),
    "unheated_bad_lengths": (UNHEATED_LAM, "100000", "0.7", "", "1", "0.2", "0.5", "", ""),
    "out_of_range_codes": ((-2147483648, 2147483647, 7, -1, 3), "1", "1", "1", "1", "1", "0", "1", "1"),
}


def encode(selection, fields):
    data = struct.pack("<5i", *selection)
    for text in fields:
        data += text.encode("utf-8").replace(b"\\", b"\\\\") + b"\\\n"
    return data


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent / "corpus"
    out.mkdir(parents=True, exist_ok=True)
    for name, (selection, *fields) in SEEDS.items():
        (out / name).write_bytes(encode(selection, fields))
    print(f"{len(SEEDS)} seeds in {out}")


if __name__ == "__main__":
    main()
