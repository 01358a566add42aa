"""Tells verb forms with attached pronouns (enclitics) from other words.

A spelling such as "dámelo" or "comiéndose" is taken as an enclitic form when
it splits into a stem and one to three pronouns (me te se nos os lo la le los
las les) such that:
  1. the stem, accents dropped, is a form of the sources; before "os" a D
     comes back (amaos from amad) and before "nos" or "se" the S of a
     nosotros form (amémonos, amémoselo from amemos);
  2. the sources attach pronouns of two groups or more to that stem, the
     groups being me, te, se, nos, os, lo-la-los-las and le-les: a noun's
     own endings fall in one group (cinéfilo, cinéfila, cinéfilos from
     cinéfi-; amelados from amelad-), while infinitives, gerunds and
     imperatives take several. A stem of one syllable needs three groups;
     a nosotros form that lost its S needs none;
  3. the spelling has the written accent that the pronouns call for.
     Pronouns leave the stress where it was, so a stem stressed on its
     next-to-last syllable (ama, come, comiendo, amen, amemos) always needs
     the accent (ámalo, cómetelo), and so does any stem followed by two
     pronouns (dámelo, comérselo); a stem of one syllable or stressed on its
     last one (da, comer, amad, haz, compón) takes one pronoun without it
     (dame, comerlo, amadlo, hazlo, componlo), or with an accent on that last
     syllable only (oírlo, but not cátaros). This keeps nouns such as
     clavete, aceptante or pasteles and the past subjunctive rentabilizase.
A word list of dictionary headwords (wspanish) holds a verb with a pronoun
only as a pronominal infinitive (abribonarse): there, only a stem that is an
infinitive counts, and nouns such as búfala or tímalo stay.
"""
SIN_ACENTOS = str.maketrans("ÁÉÍÓÚÜ", "AEIOUU")
PRONOMBRES = ("me", "te", "se", "nos", "os", "lo", "la", "le", "los", "las", "les")
TILDES = set("áéíóú")
VOCALES = set("aeiouáéíóúü")
FUERTES = set("aeoáéó")
GRUPO = {p: p for p in PRONOMBRES} | {"la": "lo", "los": "lo", "las": "lo", "les": "le"}
MAX_PRONOMBRES = 3


def SinAcentos(grafia):
    """The spelling in capitals without accents, of any length."""
    return grafia.upper().translate(SIN_ACENTOS)


def Cortes(grafia):
    """(stem, pronoun right after it, number of pronouns) for each way the
    spelling ends in pronouns."""
    cortes = []
    pendientes = [(grafia, 0)]
    while pendientes:
        resto, n = pendientes.pop()
        if n == MAX_PRONOMBRES:
            continue
        for p in PRONOMBRES:
            if resto.endswith(p) and len(resto) > len(p):
                raiz = resto[: -len(p)]
                cortes.append((raiz, p, n + 1))
                pendientes.append((raiz, n + 1))
    return cortes


class Encliticos:
    def __init__(self, grafias):
        """grafias: every spelling of every source, in small letters."""
        self.formas = {SinAcentos(g) for g in grafias}
        self.cuantos = {}

    def Grupos(self, raiz):
        """How many groups of pronouns the sources attach to the stem."""
        if raiz not in self.cuantos:
            tiene = {GRUPO[p] for p in PRONOMBRES if raiz + p.upper() in self.formas}
            if raiz.endswith("D") and raiz[:-1] + "OS" in self.formas:
                tiene.add("os")
            if raiz.endswith("MOS"):
                tiene |= {p for p in ("nos", "se") if raiz[:-1] + p.upper() in self.formas}
            self.cuantos[raiz] = len(tiene)
        return self.cuantos[raiz]

    def Raiz(self, grafia, solo_infinitivos=False):
        """The verb form the spelling attaches pronouns to, or None."""
        for raiz, primero, n in Cortes(grafia):
            candidatas = [(raiz, False)]
            if primero == "os":
                candidatas.append((raiz + "d", False))
            if primero in ("nos", "se") and raiz.endswith("mo"):
                # amémonos: the S of amemos falls only before a pronoun, so
                # that form needs no other pronouns to prove it.
                candidatas.append((raiz + "s", True))
            for r, probada in candidatas:
                c = SinAcentos(r)
                if c not in self.formas:
                    continue
                # A stem of one syllable meets pronoun-like endings by chance
                # (fue-se, mue-la, far-te): it must take more.
                if not probada and self.Grupos(c) < 2 + (len(Nucleos(r)) == 1):
                    continue
                if solo_infinitivos and c[-2:] not in ("AR", "ER", "IR"):
                    continue
                if AcentoBien(r, n):
                    return c
        return None


def Nucleos(texto):
    """Where each syllable's vowels start, in a spelling in small letters.
    Two vowels share a syllable unless both are a, e or o, or one is í or ú
    (re-í-mos, le-a, bái-le, cuen-ta)."""
    nucleos = []
    for i, c in enumerate(texto):
        if c not in VOCALES:
            continue
        antes = texto[i - 1] if i else ""
        junta = antes in VOCALES and not (antes in FUERTES and c in FUERTES) and not {antes, c} & set("íú")
        if not junta:
            nucleos.append(i)
    return nucleos


def AcentoBien(raiz, pronombres):
    """Whether the stem as spelled has the accent its pronouns call for (rule
    3). A stem ending in a vowel, N or S is stressed on its next-to-last
    syllable, save compón, detén, prevén: the only imperatives of that shape
    stressed on the last one."""
    nucleos = Nucleos(raiz)
    if not nucleos:
        return False
    llana = SinAcentos(raiz)[-1] in "AEIOUNS"
    ultima = len(nucleos) == 1 or not llana or SinAcentos(raiz).endswith(("PON", "TEN", "VEN"))
    penultima = len(nucleos) > 1 and llana
    tildes = [i for i, c in enumerate(raiz) if c in TILDES]
    if not tildes:
        return ultima and pronombres == 1
    # Where the accent is needed, myspell-es sometimes puts it on the wrong
    # vowel (consíderalo): any accent will do. Where it is not, it can only
    # mark the last syllable (oírlo, but not cátaros).
    return penultima or pronombres > 1 or not any(n > tildes[-1] for n in nucleos)
