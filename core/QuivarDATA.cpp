#include "QuivarDATA.h"

// Our own Dutch writing for this program. Stored as UTF-8 source; only ASCII and è é ë ï occur.

const std::array<QStringView, 576> OracleTexts = {
    // Titles
    u"HET SCHEPPENDE", // 1
    u"HET ONTVANGENDE", // 2
    u"AANVANGSPROBLEMEN", // 3
    u"ONERVARENHEID", // 4
    u"HET WACHTEN", // 5
    u"HET CONFLICT", // 6
    u"VERZAMELDE KRACHT", // 7
    u"VERENIGING", // 8
    u"KLEINE VRUCHTBAARHEID", // 9
    u"HET OPTREDEN", // 10
    u"DE VREDE", // 11
    u"DE WANKLANK", // 12
    u"SAAMHORIGHEID", // 13
    u"OVERVLOED", // 14
    u"DE BESCHEIDENHEID", // 15
    u"DE GEESTDRIFT", // 16
    u"DE NAVOLGING", // 17
    u"HET HERSTELLEN", // 18
    u"DE TOENADERING", // 19
    u"DE BESCHOUWING", // 20
    u"HET DOORBIJTEN", // 21
    u"DE BEKOORLIJKHEID", // 22
    u"DE VERSPLINTERING", // 23
    u"HET KEERPUNT", // 24
    u"DE ONSCHULD", // 25
    u"DE TEMMENDE KRACHT", // 26
    u"DE VOEDING", // 27
    u"OVERDAAD IN HET GROTE", // 28
    u"HET ONPEILBARE", // 29
    u"HET ZICH-HECHTENDE", // 30
    u"DE AANTREKKING", // 31
    u"DE DUURZAAMHEID", // 32
    u"DE AFZIJDIGHEID", // 33
    u"MACHT VAN HET GROTE", // 34
    u"DE VOORUITGANG", // 35
    u"DE VERDUISTERING", // 36
    u"HET GEZIN (DE CLAN)", // 37
    u"DE TEGENSTELLING", // 38
    u"DE HINDERNIS", // 39
    u"DE BEVRIJDING", // 40
    u"DE VERMINDERING", // 41
    u"DE VERMEERDERING", // 42
    u"DE VASTBERADENHEID", // 43
    u"HET TEGEMOETKOMEN", // 44
    u"HET VERZAMELEN", // 45
    u"HET OMHOOGDRINGEN", // 46
    u"DE BENAUWENIS", // 47
    u"DE BRON", // 48
    u"DE OMWENTELING", // 49
    u"KOSMISCHE ORDE", // 50
    u"HET OPWINDENDE", // 51
    u"HET STILHOUDEN", // 52
    u"DE ONTWIKKELING", // 53
    u"BETAMELIJKHEID", // 54
    u"DE VOLHEID", // 55
    u"DE ZWERVER", // 56
    u"HET ZACHTMOEDIGE", // 57
    u"HET BLIJMOEDIGE", // 58
    u"DE OPLOSSING", // 59
    u"DE BEPERKING", // 60
    u"INNERLIJKE WAARHEID", // 61
    u"BEPERKTE INVLOED", // 62
    u"NA DE VOLTOOIING", // 63
    u"VOOR DE VOLEINDING", // 64

    // Process texts
    u"", // 1
    u"", // 2
    u"", // 3
    u"", // 4
    u"", // 5
    u"", // 6
    u"", // 7
    u"", // 8
    u"", // 9
    u"", // 10
    u"", // 11
    u"", // 12
    u"", // 13
    u"", // 14
    u"", // 15
    u"", // 16
    u"", // 17
    u"", // 18
    u"", // 19
    u"", // 20
    u"", // 21
    u"", // 22
    u"", // 23
    u"", // 24
    u"", // 25
    u"", // 26
    u"", // 27
    u"", // 28
    u"", // 29
    u"", // 30
    u"", // 31
    u"", // 32
    u"", // 33
    u"", // 34
    u"", // 35
    u"", // 36
    u"", // 37
    u"", // 38
    u"", // 39
    u"", // 40
    u"", // 41
    u"", // 42
    u"", // 43
    u"", // 44
    u"", // 45
    u"", // 46
    u"", // 47
    u"", // 48
    u"", // 49
    u"", // 50
    u"", // 51
    u"", // 52
    u"", // 53
    u"", // 54
    u"", // 55
    u"", // 56
    u"", // 57
    u"", // 58
    u"", // 59
    u"", // 60
    u"", // 61
    u"", // 62
    u"", // 63
    u"", // 64

    // Advice
    u"", // 1
    u"", // 2
    u"", // 3
    u"", // 4
    u"", // 5
    u"", // 6
    u"", // 7
    u"", // 8
    u"", // 9
    u"", // 10
    u"", // 11
    u"", // 12
    u"", // 13
    u"", // 14
    u"", // 15
    u"", // 16
    u"", // 17
    u"", // 18
    u"", // 19
    u"", // 20
    u"", // 21
    u"", // 22
    u"", // 23
    u"", // 24
    u"", // 25
    u"", // 26
    u"", // 27
    u"", // 28
    u"", // 29
    u"", // 30
    u"", // 31
    u"", // 32
    u"", // 33
    u"", // 34
    u"", // 35
    u"", // 36
    u"", // 37
    u"", // 38
    u"", // 39
    u"", // 40
    u"", // 41
    u"", // 42
    u"", // 43
    u"", // 44
    u"", // 45
    u"", // 46
    u"", // 47
    u"", // 48
    u"", // 49
    u"", // 50
    u"", // 51
    u"", // 52
    u"", // 53
    u"", // 54
    u"", // 55
    u"", // 56
    u"", // 57
    u"", // 58
    u"", // 59
    u"", // 60
    u"", // 61
    u"", // 62
    u"", // 63
    u"", // 64

    // Line texts, line 1 (bottom) first
    // 1 HET SCHEPPENDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 2 HET ONTVANGENDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 3 AANVANGSPROBLEMEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 4 ONERVARENHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 5 HET WACHTEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 6 HET CONFLICT
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 7 VERZAMELDE KRACHT
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 8 VERENIGING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 9 KLEINE VRUCHTBAARHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 10 HET OPTREDEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 11 DE VREDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 12 DE WANKLANK
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 13 SAAMHORIGHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 14 OVERVLOED
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 15 DE BESCHEIDENHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 16 DE GEESTDRIFT
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 17 DE NAVOLGING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 18 HET HERSTELLEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 19 DE TOENADERING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 20 DE BESCHOUWING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 21 HET DOORBIJTEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 22 DE BEKOORLIJKHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 23 DE VERSPLINTERING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 24 HET KEERPUNT
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 25 DE ONSCHULD
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 26 DE TEMMENDE KRACHT
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 27 DE VOEDING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 28 OVERDAAD IN HET GROTE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 29 HET ONPEILBARE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 30 HET ZICH-HECHTENDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 31 DE AANTREKKING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 32 DE DUURZAAMHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 33 DE AFZIJDIGHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 34 MACHT VAN HET GROTE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 35 DE VOORUITGANG
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 36 DE VERDUISTERING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 37 HET GEZIN (DE CLAN)
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 38 DE TEGENSTELLING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 39 DE HINDERNIS
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 40 DE BEVRIJDING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 41 DE VERMINDERING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 42 DE VERMEERDERING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 43 DE VASTBERADENHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 44 HET TEGEMOETKOMEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 45 HET VERZAMELEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 46 HET OMHOOGDRINGEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 47 DE BENAUWENIS
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 48 DE BRON
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 49 DE OMWENTELING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 50 KOSMISCHE ORDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 51 HET OPWINDENDE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 52 HET STILHOUDEN
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 53 DE ONTWIKKELING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 54 BETAMELIJKHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 55 DE VOLHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 56 DE ZWERVER
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 57 HET ZACHTMOEDIGE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 58 HET BLIJMOEDIGE
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 59 DE OPLOSSING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 60 DE BEPERKING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 61 INNERLIJKE WAARHEID
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 62 BEPERKTE INVLOED
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 63 NA DE VOLTOOIING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    // 64 VOOR DE VOLEINDING
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
};

const std::array<QStringView, 8> HouseWordTable = {
    u"Uitdaging", u"Ontwikkeling", u"Ontwaken", u"Voorspoed",
    u"Tegenspoed", u"Intensiteit", u"Vastberadenheid", u"Ontsnapping",
};

static QString entry(int index, bool inRange)
{
    return inRange ? OracleTexts[std::size_t(index)].toString() : QString();
}

QString Title(int n) { return entry(n - 1, n >= 1 && n <= 64); }
QString ProcessText(int n) { return entry(64 + n - 1, n >= 1 && n <= 64); }
QString AdviceText(int n) { return entry(128 + n - 1, n >= 1 && n <= 64); }

QString LineTexts(int n, int k)
{
    return entry(192 + (n - 1) * 6 + (k - 1), n >= 1 && n <= 64 && k >= 1 && k <= 6);
}

QString HouseWords(int t)
{
    return t >= 1 && t <= 8 ? HouseWordTable[std::size_t(t - 1)].toString() : QString();
}
