#!/usr/bin/env python3
"""Turns a Spanish hunspell dictionary into a pair unmunch can expand.

unmunch reads bytes and one-byte flags and knows nothing of continuation
classes, while hunspell-es is UTF-8, uses UTF-8 flags ("FLAG UTF-8") and
gives some suffixes a second suffix ("ción/S": the plural). So this writes:
  - both files in ISO-8859-1 (every Spanish letter fits in one byte);
  - every flag renamed to one printable ASCII byte;
  - each suffix with a continuation folded into plain rules, one per rule of
    the continuation class that can follow it;
  - the dictionary without the entries that cannot give words (see
    EntradaAdmitida), so none of their forms reach the list.
A dictionary already in ISO-8859-1 with one-byte flags (myspell-es) goes
through the same steps, which leave its rules as they are.

Each LIST names entries to leave out (one a line, # starts a comment). With
--revisar, every entry of the list must be in this dictionary, so the list is
reviewed again on a new version; with --fuera it need not be.

Usage: preparar.py DIC AFF OUT_DIC OUT_AFF [--revisar LIST]... [--fuera LIST]...
"""
import argparse
import re
import sys

MINUSCULAS = set("abcdefghijklmnopqrstuvwxyzáéíóúüñ")
VOCALES = set("aeiouáéíóúü")
# unmunch keeps a condition as one bit per position in a char.
MAX_POSICIONES = 8
MAX_LINEA = 190  # unmunch reads lines into 200 bytes


def EntradaAdmitida(palabra, fuera):
    """Rules on dictionary entries; an entry left out takes all its forms with it."""
    if not palabra:
        return False
    # Proper nouns, acronyms, brands and symbols (Abad, ONU, iPad, pH).
    if any(c.isupper() for c in palabra):
        return False
    # Dots, spaces, hyphens, digits and stray marks (DD.HH., Educ.ar).
    if any(c not in MINUSCULAS for c in palabra):
        return False
    # Units, symbols and abbreviations without a vowel (km, cm, pg, sr, cfr).
    if not any(c in VOCALES for c in palabra):
        return False
    # Listed entries: abbreviations that have a vowel (etc, pág, avda, admón).
    return palabra not in fuera


# A condition is a list of positions, each (negated, characters); a position
# with negated=True and no characters matches anything.
def LeerCondicion(texto):
    if texto == ".":
        return []
    posiciones = []
    for pieza in re.findall(r"\[\^?[^\]]*\]|.", texto):
        if pieza == ".":
            posiciones.append((True, frozenset()))
        elif pieza.startswith("[^"):
            posiciones.append((True, frozenset(pieza[2:-1])))
        elif pieza.startswith("["):
            posiciones.append((False, frozenset(pieza[1:-1])))
        else:
            posiciones.append((False, frozenset(pieza)))
    return posiciones


def EscribirCondicion(posiciones):
    if all(neg and not cs for neg, cs in posiciones):
        return "."
    texto = ""
    for neg, cs in posiciones:
        letras = "".join(sorted(cs))
        if neg:
            texto += "[^" + letras + "]" if cs else "."
        elif len(cs) == 1:
            texto += letras
        else:
            texto += "[" + letras + "]"
    return texto


def Cruzar(a, b):
    """Both position sets at once; None when nothing can match."""
    (na, ca), (nb, cb) = a, b
    if na and nb:
        return (True, ca | cb)
    if not na and not nb:
        r = ca & cb
    elif na:
        r = cb - ca
    else:
        r = ca - cb
    return (False, r) if r else None


def Admite(posicion, c):
    neg, cs = posicion
    return (c not in cs) if neg else (c in cs)


def AlinearAlFinal(posiciones, largo):
    """Positions counted from the end, padded with wildcards to `largo`."""
    relleno = [(True, frozenset())] * (largo - len(posiciones))
    return relleno + list(posiciones)


def Componer(r1, r2):
    """Rule r1 (whose append carries the continuation) followed by rule r2,
    as one rule on the root, or None when r2 can never follow r1."""
    q1, a1, c1 = r1
    q2, a2, c2 = r2
    # What r2 asks of the derived word stem+a1: its condition and its strip.
    pide = AlinearAlFinal(c2, max(len(c2), len(q2)))
    for k, ch in enumerate(reversed(q2), 1):
        cruce = Cruzar(pide[-k], (False, frozenset(ch)))
        if cruce is None:
            return None
        pide[-k] = cruce
    # Positions inside a1 are decided now; the rest fall on the root's stem.
    sobre_raiz = []
    for k in range(1, len(pide) + 1):
        if k <= len(a1):
            if not Admite(pide[-k], a1[-k]):
                return None
        else:
            sobre_raiz.append((k - len(a1) + len(q1), pide[-k]))
    # r2's strip may reach past a1 into the stem: those letters go too.
    extra = q2[: max(0, len(q2) - len(a1))]
    quita = extra + q1
    pone = a1[: max(0, len(a1) - len(q2))] + a2
    largo = max([len(c1), len(quita)] + [k for k, _ in sobre_raiz])
    cond = AlinearAlFinal(c1, largo)
    for k, ch in enumerate(reversed(quita), 1):
        cruce = Cruzar(cond[-k], (False, frozenset(ch)))
        if cruce is None:
            return None
        cond[-k] = cruce
    for k, posicion in sobre_raiz:
        cruce = Cruzar(cond[-k], posicion)
        if cruce is None:
            return None
        cond[-k] = cruce
    return (quita, pone, cond)


def LeerAfijos(lineas):
    """{flag: (kind, cross, [(strip, append, condition, continuation)])}"""
    clases = {}
    i = 0
    while i < len(lineas):
        partes = lineas[i].split()
        i += 1
        if len(partes) < 4 or partes[0] not in ("PFX", "SFX"):
            continue
        tipo, flag, cruce, n = partes[0], partes[1], partes[2], int(partes[3])
        if flag in clases:
            sys.exit(f"flag {flag} declared twice")
        reglas = []
        for linea in lineas[i : i + n]:
            p = linea.split()
            if p[0] != tipo or p[1] != flag or len(p) < 5:
                sys.exit(f"unexpected affix line: {linea}")
            quita = "" if p[2] == "0" else p[2]
            pone, _, sigue = p[3].partition("/")
            pone = "" if pone == "0" else pone
            if sigue and tipo == "PFX":
                sys.exit(f"prefix with continuation: {linea}")
            reglas.append((quita, pone, LeerCondicion(p[4]), sigue))
        i += n
        clases[flag] = (tipo, cruce, reglas)
    return clases


def Plegar(clases):
    """Replaces every rule that has a continuation by its compositions."""
    plegadas = {}
    for flag, (tipo, cruce, reglas) in clases.items():
        nuevas = []
        for quita, pone, cond, sigue in reglas:
            nuevas.append((quita, pone, cond))
            for f2 in sigue:
                t2, _, reglas2 = clases[f2]
                if t2 != "SFX" or any(r[3] for r in reglas2):
                    sys.exit(f"continuation {f2} is not a plain suffix class")
                for q2, a2, c2, _ in reglas2:
                    compuesta = Componer((quita, pone, cond), (q2, a2, c2))
                    if compuesta:
                        nuevas.append(compuesta)
        plegadas[flag] = (tipo, cruce, nuevas)
    return plegadas


def NombresDeFlags(flags):
    """ASCII flags keep their byte; the others take free printable bytes."""
    libres = [chr(c) for c in range(0x21, 0x7F) if chr(c) not in flags and chr(c) != "/"]
    nombres = {}
    for f in sorted(flags):
        if f.isascii() and f != "/":
            nombres[f] = f
        else:
            if not libres:
                sys.exit("too many flags for one byte each")
            nombres[f] = libres.pop(0)
    return nombres


def EscribirAfijos(clases, nombres, salida):
    for flag, (tipo, cruce, reglas) in clases.items():
        f = nombres[flag]
        salida.append(f"{tipo} {f} {cruce} {len(reglas)}")
        for quita, pone, cond in reglas:
            if len(cond) > MAX_POSICIONES:
                sys.exit(f"condition too long for unmunch in class {flag}")
            salida.append(f"{tipo} {f} {quita or '0'} {pone or '0'} {EscribirCondicion(cond)}")


def LeerLista(ruta):
    with open(ruta, encoding="utf-8") as f:
        return {l.strip() for l in f if l.strip() and not l.startswith("#")}


def Codificacion(ruta):
    """The Python codec of the dictionary's SET line."""
    with open(ruta, "rb") as f:
        for linea in f:
            partes = linea.split()
            if len(partes) == 2 and partes[0] == b"SET":
                codec = {b"UTF-8": "utf-8", b"ISO8859-1": "latin-1"}.get(partes[1])
                if codec:
                    return codec
                sys.exit(f"unexpected encoding {partes[1].decode()} in {ruta}")
    sys.exit(f"no SET line in {ruta}")


def main():
    args = argparse.ArgumentParser(usage=__doc__)
    for nombre in ("dic", "aff", "out_dic", "out_aff"):
        args.add_argument(nombre)
    args.add_argument("--revisar", action="append", default=[])
    args.add_argument("--fuera", action="append", default=[])
    a = args.parse_args()
    codec = Codificacion(a.aff)
    with open(a.aff, encoding=codec) as f:
        lineas_aff = f.read().splitlines()
    revisadas = set().union(*map(LeerLista, a.revisar))
    fuera = revisadas.union(*map(LeerLista, a.fuera))

    clases = Plegar(LeerAfijos(lineas_aff))
    nombres = NombresDeFlags(clases.keys())

    with open(a.dic, encoding=codec) as f:
        lineas_dic = f.read().splitlines()[1:]
    entradas = []
    for linea in lineas_dic:
        palabra, _, flags = linea.strip().partition("/")
        if not EntradaAdmitida(palabra, fuera):
            continue
        # Flags with no affix class (none today) mean nothing to unmunch either.
        propios = "".join(nombres[c] for c in flags if c in nombres)
        entrada = palabra + ("/" + propios if propios else "")
        if len(entrada.encode("latin-1")) > MAX_LINEA:
            sys.exit(f"entry too long for unmunch: {entrada}")
        entradas.append(entrada)
    sin_uso = sorted(revisadas - {l.strip().partition("/")[0] for l in lineas_dic})
    if sin_uso:
        sys.exit(f"listed entries not in the dictionary: {' '.join(sin_uso)}")

    afijos = []
    EscribirAfijos(clases, nombres, afijos)
    with open(a.out_aff, "w", encoding="latin-1", newline="\n") as f:
        f.write("\n".join(afijos) + "\n")
    with open(a.out_dic, "w", encoding="latin-1", newline="\n") as f:
        f.write(f"{len(entradas)}\n" + "\n".join(entradas) + "\n")
    print(f"{len(entradas)} of {len(lineas_dic)} dictionary entries kept", file=sys.stderr)


if __name__ == "__main__":
    main()
