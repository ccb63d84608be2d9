#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The fixed Dutch text corpus, read-only and compiled in. One table of 576 entries: titles
// (0..63), process texts (64..127), advice texts (128..191), then six line texts per hexagram,
// line 1 (bottom) first (192..575).
extern const std::array<QStringView, 576> OracleTexts;
// Indexed by trigram number - 1 (Heaven, Earth, Thunder, Wind, Water, Fire, Mountain, Lake).
extern const std::array<QStringView, 8> HouseWordTable;

// Lookups by hexagram number n (1..64), line k (1..6, 1 = bottom) and trigram number t (1..8).
// Out-of-range numbers give an empty text rather than reading past the table.
QString Title(int n);
QString ProcessText(int n);
QString AdviceText(int n);
QString LineTexts(int n, int k);
QString HouseWords(int t);
