#pragma once
// A small WordNet of our own in the database's file formats: synsets written into data files at
// the byte offsets the index lines name, the licence lines at the top that real files have, and
// exception lists. Used by the reader's tests and as the shape of the fuzz target's seeds.

#include "lexicon/wordnet.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <vector>

namespace qx::test {

struct FixtureSynset {
    WordNet::Part part;
    QByteArray words; // "cloud 0" pairs as the data line holds them, with the count written for it
    int wordCount;
    QByteArray gloss;
};

struct FixtureLemma {
    QByteArray lemma;
    WordNet::Part part;
    int tagged;
    std::vector<int> synsets; // indexes into the synsets, most frequent first
};

inline WordNet::Files fixtureFiles(const std::vector<FixtureSynset> &synsets, std::vector<FixtureLemma> lemmas,
                                   const std::array<QByteArray, WordNet::PartCount> &exceptions = {})
{
    static constexpr char Marks[] = {'n', 'v', 'a', 'r'};
    const QByteArray licence = "  1 This is a test database of our own.\n  2 Its lines start with two blanks.\n";
    WordNet::Files files;
    std::vector<QByteArray> offsets(synsets.size());
    for (size_t p = 0; p < WordNet::PartCount; ++p)
        files.data[p] = licence;
    for (size_t k = 0; k < synsets.size(); ++k) {
        QByteArray &data = files.data[size_t(synsets[k].part)];
        offsets[k] = QByteArray::number(data.size()).rightJustified(8, '0');
        data += offsets[k] + " 03 " + Marks[synsets[k].part] + ' ' +
                QByteArray::number(synsets[k].wordCount, 16).rightJustified(2, '0') + ' ' + synsets[k].words +
                " 000 | " + synsets[k].gloss + "  \n";
    }
    std::sort(lemmas.begin(), lemmas.end(), [](const auto &a, const auto &b) { return a.lemma < b.lemma; });
    for (size_t p = 0; p < WordNet::PartCount; ++p)
        files.index[p] = licence;
    for (const FixtureLemma &l : lemmas) {
        QByteArray line = l.lemma + ' ' + Marks[l.part] + ' ' + QByteArray::number(l.synsets.size()) + " 1 @ " +
                          QByteArray::number(l.synsets.size()) + ' ' + QByteArray::number(l.tagged);
        for (int s : l.synsets)
            line += ' ' + offsets[size_t(s)];
        files.index[size_t(l.part)] += line + "  \n";
    }
    files.exceptions = exceptions;
    return files;
}

// The weather words the tests look up: "cloud" (two noun senses, one verb), "rain" (a noun and a
// verb, the verb more common), "goose" with its irregular plural, "solar system".
inline WordNet::Files weatherWordNet()
{
    using P = WordNet::Part;
    return fixtureFiles(
        {
            {P::Noun, "cloud 0", 1, "a visible mass of water droplets suspended in the air"},
            {P::Noun, "cloud 0", 1, "any collection of particles that obscures something; \"a cloud of dust\""},
            {P::Verb, "cloud 0 overcast 0", 2, "make overcast or cloudy; \"Fog clouded the horizon\""},
            {P::Noun, "rain 0 rainfall 0", 2, "water falling in drops from vapor condensed in the atmosphere"},
            {P::Verb, "rain 0", 1, "precipitate as rain; \"If it rains much more, we can expect some flooding\""},
            {P::Noun, "goose 0", 1, "web-footed long-necked typically gregarious migratory aquatic birds"},
            {P::Noun, "solar_system 0", 1, "the sun with the celestial bodies that revolve around it"},
        },
        {
            {"cloud", P::Noun, 2, {0, 1}},
            {"cloud", P::Verb, 1, {2}},
            {"rain", P::Noun, 1, {3}},
            {"rain", P::Verb, 4, {4}},
            {"rainfall", P::Noun, 0, {3}},
            {"goose", P::Noun, 1, {5}},
            {"solar_system", P::Noun, 1, {6}},
        },
        {"geese goose\n", "", "", ""});
}

inline void writeWordNetFiles(const QString &dir, const WordNet::Files &files)
{
    for (int p = 0; p < WordNet::PartCount; ++p) {
        for (const auto &[kind, bytes] : {std::pair{"index", files.index[size_t(p)]},
                                          {"data", files.data[size_t(p)]},
                                          {"exc", files.exceptions[size_t(p)]}}) {
            QFile f(dir + QLatin1Char('/') + WordNet::fileName(kind, WordNet::Part(p)));
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
        }
    }
}

} // namespace qx::test
