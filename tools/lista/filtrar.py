#!/usr/bin/env python3
"""Turns unmunch's output (ISO-8859-1, one form a line) into the word-list file.

Each form is put in capitals with its accents and diaeresis dropped (Ñ kept);
forms with any other character, with a W, or outside 2..15 letters are left
out; the rest are written once each, in word-list order, in Windows-1252 with
CR LF after every line.

Usage: filtrar.py < unmunch-output > Tablerix.pal
"""
import re
import sys

SIN_ACENTOS = str.maketrans("ÁÉÍÓÚÜ", "AEIOUU")
PALABRA = re.compile(r"[A-VXYZÑ]{2,15}")


def Normalizar(forma):
    """The word as the list holds it, or None when it has no place there."""
    palabra = forma.strip().upper().translate(SIN_ACENTOS)
    return palabra if PALABRA.fullmatch(palabra) else None


def Clave(palabra):
    """Word-list order: a leading Ñ sorts as NZ, then byte by byte."""
    datos = palabra.encode("cp1252")
    return b"NZ" + datos[1:] if datos[:1] == b"\xd1" else datos


def main():
    formas = sys.stdin.buffer.read().decode("latin-1").splitlines()
    palabras = {p for p in map(Normalizar, formas) if p}
    ordenadas = sorted(palabras, key=Clave)
    sys.stdout.buffer.write(b"".join(p.encode("cp1252") + b"\r\n" for p in ordenadas))
    print(f"{len(formas)} forms, {len(ordenadas)} words", file=sys.stderr)


if __name__ == "__main__":
    main()
