#!/usr/bin/env python3
"""Merges the three sources into the word-list file.

Each form is put in capitals with its accents and diaeresis dropped (Ñ kept);
forms with any other character, with a W, or outside 2..15 letters are left
out. Every word of hunspell-es stays; myspell-es and wspanish add their words
except the verb forms with attached pronouns (see encliticos.py), which
hunspell-es lists far more sparingly. The words are written once each, in
word-list order, in Windows-1252 with CR LF after every line.

HUNSPELL and MYSPELL are unmunch's output (ISO-8859-1, one form a line),
WSPANISH the word list (UTF-8); its words go through the entry rules of
preparar.py with the entries listed in FUERA left out.

Usage: filtrar.py HUNSPELL MYSPELL WSPANISH FUERA > Tablerix.pal
"""
import re
import sys

from encliticos import Encliticos, SinAcentos
from preparar import EntradaAdmitida, LeerLista

PALABRA = re.compile(r"[A-VXYZÑ]{2,15}")


def Normalizar(forma):
    """The word as the list holds it, or None when it has no place there."""
    palabra = SinAcentos(forma.strip())
    return palabra if PALABRA.fullmatch(palabra) else None


def Clave(palabra):
    """Word-list order: a leading Ñ sorts as NZ, then byte by byte."""
    datos = palabra.encode("cp1252")
    return b"NZ" + datos[1:] if datos[:1] == b"\xd1" else datos


def Leer(ruta, codificacion):
    with open(ruta, encoding=codificacion) as f:
        return [l.strip() for l in f if l.strip()]


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    hunspell = Leer(sys.argv[1], "latin-1")
    myspell = [g.lower() for g in Leer(sys.argv[2], "latin-1")]
    fuera = LeerLista(sys.argv[4])
    wspanish = [g for g in Leer(sys.argv[3], "utf-8") if EntradaAdmitida(g, fuera)]

    primera = {p for p in map(Normalizar, hunspell) if p}
    # The spellings each new word has in the new sources, and whether they
    # come from the headword list.
    nuevas = {}
    for lista, de_wspanish in ((myspell, False), (wspanish, True)):
        for g in lista:
            p = Normalizar(g)
            if p and p not in primera:
                nuevas.setdefault(p, set()).add((g, de_wspanish))
    encliticos = Encliticos(g.lower() for g in hunspell + myspell + wspanish)
    # A word stays when any of its spellings is not an enclitic form.
    quedan = {p for p, gs in nuevas.items() if not all(encliticos.Raiz(*g) for g in gs)}

    de_myspell = {p for p in map(Normalizar, myspell) if p in quedan}
    de_wspanish = quedan - de_myspell
    ordenadas = sorted(primera | quedan, key=Clave)
    sys.stdout.buffer.write(b"".join(p.encode("cp1252") + b"\r\n" for p in ordenadas))
    print(f"hunspell-es: {len(hunspell)} forms, {len(primera)} words", file=sys.stderr)
    print(f"myspell-es: {len(myspell)} forms, {len(de_myspell)} more words", file=sys.stderr)
    print(f"wspanish: {len(wspanish)} words kept by the entry rules, "
          f"{len(de_wspanish)} more words", file=sys.stderr)
    print(f"left out as verb forms with pronouns: {len(nuevas) - len(quedan)}", file=sys.stderr)
    print(f"{len(ordenadas)} words", file=sys.stderr)


if __name__ == "__main__":
    main()
