#include "Dokumentlaeser.h"

#include <QCoreApplication>
#include <QLibrary>

namespace kv {

Dokumentart dokumentart(QByteArrayView start)
{
    if (start.startsWith("{\\rtf"))
        return Dokumentart::Rtf;
    if (start.startsWith("%PDF-"))
        return Dokumentart::Pdf;
    if (start.startsWith("PK\x03\x04"))
        return Dokumentart::Zip;
    return Dokumentart::Tekst;
}

namespace {

using Laeser = bool (*)(const QByteArray&, const Tekstmodtager&);

struct Modul {
    Laeser kontor = nullptr;
    Laeser pdf = nullptr;
};

// Beside the program where it is installed, in the build folder beside the
// program or above the tests; loaded once, by whichever thread asks first.
const Modul& modul()
{
    static const Modul m = [] {
        const QString mappe = QCoreApplication::applicationDirPath();
        for (const QString& sted : {mappe + u'/' + QStringLiteral(KV_MODUL_RELATIVT), mappe, mappe + u"/.."_qs}) {
            QLibrary bibliotek(sted + u"/kvistlund_dokumenter"_qs);
            if (!bibliotek.load())
                continue;
            Modul fundet{reinterpret_cast<Laeser>(bibliotek.resolve("kv_kontor_tekst")),
                         reinterpret_cast<Laeser>(bibliotek.resolve("kv_pdf_tekst"))};
            if (fundet.kontor && fundet.pdf)
                return fundet;
        }
        return Modul();
    }();
    return m;
}

} // namespace

// Without the module such documents cannot be read, and say so like any other.
bool kontorTekst(const QByteArray& zip, const Tekstmodtager& modtag)
{
    return modul().kontor && modul().kontor(zip, modtag);
}

bool pdfTekst(const QByteArray& pdf, const Tekstmodtager& modtag)
{
    return modul().pdf && modul().pdf(pdf, modtag);
}

} // namespace kv
