#!/usr/bin/env python3
"""Writes the small tricky inputs of corpus/ that the batch converter is compared on.

Run it again after changing a case; every file is written from scratch.
"""
import pathlib

CRLF = b"\r\n"
Z = b"\x1a"


def lines(*texts, last_crlf=True):
    body = CRLF.join(t if isinstance(t, bytes) else t.encode("latin-1") for t in texts)
    return body + (CRLF if last_crlf else b"")


GUID = "11111111-2222-3333-4444-555555555555"

CASES = {
    "empty": b"",
    "only_crlf": CRLF,
    "blank_lines": lines("", "A", "", "", "B   ", "   "),
    "no_final_crlf": lines("first", "last", last_crlf=False),
    "lf_only": b"\n".join(b"line %d with some words" % i for i in range(40)) + b"\n",
    "cr_only": b"\r".join(b"x" * 30 for _ in range(20)),
    "lone_cr_lf_mix": b"A\rB\nC\r\n\n\r\r\nD\r",
    "tabs": lines("A\tB", "\t\tX", "1234567\tY", "12345678\tZ", "a" * 496 + "\tB",
                  "b" * 499 + "\t", "\t#FIELD(A,\t|", "\t\tB)"),
    "long_lines": lines("e" * 500, "f" * 501, "g" * 1200 + ",AT(1,2)", "next", "h" * 499),
    "overlong_with_lone_cr": b"a" * 510 + b"\r\r\n\nafter" + CRLF,
    "ctrlz_start": lines("A", "B") + Z + lines("hidden", "lines"),
    "ctrlz_middle": b"AB" + Z + b"CD" + CRLF + b"E" + Z + Z + b"gone" + CRLF,
    "ctrlz_in_skipped_rest": b"a" * 503 + Z + b"tail" + CRLF + b"more" + CRLF,
    "ctrlz_last_byte": lines("A", "B") + Z,
    "nul_and_high_bytes": lines("\x00\x01\x7f", "\xe9t\xe9 \xff", "#FIELD(\x00 |", "\x80)"),
    "guids": lines(f"!!> GUID('{GUID}')", "PLAIN LINE", f"!!> GUID('{GUID}') REST",
                   f"  !!> GUID('{GUID}')", f"!!> Guid('{GUID}')", "!!> GUID('XYZ')",
                   "!!> GUID('", "!!> GUID('" + "g" * 490, f"!!> GUID('{GUID}'),AT(1,"),
    "ordinals": lines("NAME,#ORDINAL(3)", "  NAME #ORDINAL(12),MORE",
                      "A,#ORDINAL(1),B,#ORDINAL(2)", "#ORDINAL(5)", ",#ORDINAL(5)",
                      "NAME,#ordinal(3)", "NAME,#ORDINAL 3", "x" * 491 + "#ORDINAL(",
                      "  BUTTON('Ok'),AT(1,2, #ORDINAL(4)", "  40,14)"),
    "hash_field": lines("  #FIELD(A, |", "      B, |", "      C)", "NEXT", "X(1)#FIELD(Y |",
                        "Z)", "#FIELD(ABCDEF", "", "Q", "Z)", "X #FIELD", "MORE",
                        "#field(a, |", "b)", "#FIELD(" + "w" * 493, ")"),
    "window_font": lines("  A('B'),FONT('C',8, |", "      D),E", "  F",
                         ",FONT('Name (x)',8, |", "B", "FONT('x', |", ",FONT(8, |",
                         ",font('a', |", "  W,FONT('Arial',10,,FONT:regular, |", "   CHARSET:ANSI)"),
    "correct_at": lines("  A('B'),AT(10,10, |", "      40,14),C", "  D('E'),AT(60,10,40,14)",
                        "X,AT(1,1),Y,AT(2, |", "3)", ",SEAT(1, |", "AT(1, |", ",at(1, |",
                        "  P,AT(1, |", "  2, |", "  3, |", "  4),NEXT"),
    "open_at_end_hash": lines("before", "  #FIELD(A, |", "      B, |"),
    "open_at_end_at": lines("  B,AT(1,2, |", "  3"),
    "open_at_end_font": lines("  B,FONT('Arial', |", "   10", last_crlf=False),
    "overlong_join": lines("#FIELD(" + "w" * 300 + " |", "   #FIELD(" + "v" * 250 + " |",
                           "  x)", "after", ",AT(" + "1" * 400, "  " + "2" * 150 + ")", "tail"),
    "join_exactly_full": lines("#FIELD(" + "h" * 489 + "   |", "  abc)  ",
                               "#FIELD(" + "h" * 489 + "   |", "  abcd)", "z"),
    "join_after_blank_run": lines(",AT(1,", "", "", "", "", "2)", "end"),
    "marker_in_comment": lines("  ! TODO: place it ,AT( the bottom", "  x = 1", "  y = 2",
                               "  ! the #FIELD( prompt", "  %P DEPEND %C STRING (#FIELD(?A, |",
                               "   ?B))", "  ! font ,FONT('Arial", "  z = 3"),
    "mark_without_blank": lines("x,AT(1,2,|", "3,4)", "y,FONT('A',|", "8)", "#FIELD(a,|", "b)"),
    "broken_continuation": lines("  LIST,AT(0,0, |", "", "     40,14),USE(?L)",
                                 "  W,FONT('A', |", "  10, |", "  ,FONT:bold", "#FIELD(A, |",
                                 "   |", "B)"),
    "kept_after_joins": lines("#FIELD(A, |", "   |", " B)", "W,FONT('x', |", " 8)", "X,AT(1, |",
                              "", "Y,AT(" + "y" * 300 + ", |", "  " + "z" * 260 + ")",
                              "#FIELD(C, |", " D)", "Z,AT(2, |"),
    "marker_made_by_join": lines("#FIELD(,A |", "T(1, |", "2)", "FONT", ",FONT('a |", "b')"),
    "all_corrections": lines(
        "[PROCEDURE]", "NAME Main", f"!!> GUID('{GUID}')", "[PROMPTS]",
        "%Heading DEFAULT  (#FIELD(Title, |", "   Sub, |", "   Other))",
        "Main WINDOW('Main'),AT(,,245,147),FONT('Tahoma', |", "   8,,FONT:regular),GRAY",
        "  BUTTON('&Ok'),AT(10,120, |", "     40,14),USE(?Ok),#ORDINAL(1)",
        "  CHECK('Opt'),AT(10,10,60,10),USE(LOC:Opt),#ORDINAL(2)", "END",
        "\tCODE", "\tIF X THEN Y.", "[END]"),
}


def main():
    folder = pathlib.Path(__file__).resolve().parent / "corpus"
    folder.mkdir(exist_ok=True)
    for old in folder.glob("*.txa"):
        old.unlink()
    for name, data in CASES.items():
        (folder / f"{name}.txa").write_bytes(data)


if __name__ == "__main__":
    main()
