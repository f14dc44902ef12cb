#pragma once
// Searching documents for a text. Each document is read by its kind, told by
// its content: plain text (a byte-order mark honoured, else UTF-8 when valid,
// else Windows-1252) in blocks, so that a file of any size takes bounded
// memory; rich text, OpenDocument, Office Open XML and PDF by their text.
// Positions count characters from the start of the text, a line break as one.
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

namespace kv {

struct Fund {
    qint64 position = 0;
    QString linje;  // the line holding the start of the occurrence
};

class Tekstsoeger {
public:
    Tekstsoeger(const QString& tekst, bool heleOrd, bool forskelStoreSmaa);

    // Asked between blocks of a document; returning false stops the search.
    std::function<bool()> fortsaet;
    // Set from any thread to stop the search; looked at between blocks too.
    const std::atomic_bool* stop = nullptr;

    // Every occurrence in the document, in order, not overlapping, at most
    // plads of them; fuld is set when there were more. False when it could
    // not be read (or the search was stopped); fund then holds nothing.
    bool soeg(const QString& dokument, std::vector<Fund>& fund, qsizetype plads = flestFund,
              bool* fuld = nullptr) const;
    // The same on a text already decoded.
    std::vector<Fund> soegTekst(QStringView tekst) const;

    static constexpr qsizetype flestFormer = 4;
    // The most occurrences one search keeps; a search that finds more stops there.
    static constexpr qsizetype flestFund = 100000;

private:
    bool videre() const;
    // hel: start is the whole file.
    bool soegBlokvis(class RegularFileStream& in, QByteArray start, std::vector<Fund>& fund, qsizetype plads,
                     bool* fuld, bool hel) const;
    QString m_moenster;  // case-folded when case does not matter
    QString m_former;    // then the forms of its first character, when few
    bool m_foldet;
    bool m_heleOrd;
};

// The names of folder's files that match one of the masks, in name order;
// folders are left out, and so is everything in sub-folders.
QStringList dokumenterI(const QString& mappe, const QStringList& masker);

} // namespace kv
