// The information window (Ctrl+I), the extension views of Struktur 3 and
// the buttons that copy the current path to the clipboard.
#include "app/THandlingsliste.h"
#include "ui/UdenAtStandse.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/Filadresser.h"
#include "platform/Skal.h"
#include "structures/StrukturRec.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QTreeWidget>

namespace kv {

namespace {

// Other programs get the host path; a path without one is copied as written.
void tilKlipbord(const QString& sti)
{
    const QString vaert = Skal::argument(sti);
    auto* data = new QMimeData;
    data->setText(vaert.isEmpty() ? sti : vaert);
    // File managers and browsers take the place as a file URL.
    if (const QUrl url = fileUrl(sti); url.isValid())
        data->setUrls({url});
    QApplication::clipboard()->setMimeData(data);
}

} // namespace

void Tmainform::InfoExecute()
{
    funkReady = false;
    const StrukturRec* rec = recAf(TMakeStrukturer::valgtNode(funk->aktivTrae()));
    QString fil;
    switch (funk->getID(&fil)) {
    case idMappe:
    case idPrivat: funk->showMappeInfo(); break;
    case idFil: funk->showFileInfo(fil); break;
    case idDrev:
        if (rec && !rec->mappe.isEmpty())
            funk->showDriveInfo(rec->mappe.at(0));
        break;
    default: break;
    }
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::bindFilinfo()
{
    funk->FIkonDir = ikonDir;
    funk->FonInfoHelp = [this](const QString& s, const QString& inf) { InfoHelp(s, inf); };
    THandlingsliste& h = *handlinger;
    h.bind("Info", [this] { InfoExecute(); }, [this] {
        const bool valgt = TMakeStrukturer::valgtNode(funk->aktivTrae()) != nullptr;
        return funkReady && valgt && (funk->AktiveStruktur() != 1 || funkNo < 5);
    });

    const auto extVis = [this](bool isoler) {
        const std::optional<int> n =
            isoler ? funk->makeStrukturFil(extEdit->text()) : std::optional(funk->fremvisFiltype(extEdit->text()));
        // A newer fill of Struktur 3 that came meanwhile tells its own.
        if (!n)
            return;
        UdskrivInfo(u"Der blev fundte "_qs + QString::number(*n) + u" filer af typen "_qs + extEdit->text());
        antalExtEdit->setText(QString::number(*n));
        FilStruktur2->setFocus();
        DirectoryChange(false);
    };
    const auto extAktiv = [this] { return !funk->FMappe3.isEmpty() && !extEdit->text().isEmpty(); };
    h.bind("aExtType1", [extVis] { extVis(false); }, extAktiv);
    h.bind("aExtType2", [extVis] { extVis(true); }, extAktiv);
    connect(extEdit, &QLineEdit::returnPressed, this, [this] { handling("aExtType2")->trigger(); });
    connect(extEdit, &QLineEdit::textChanged, handlinger, &THandlingsliste::planlaegOpdatering);

    connect(findChild<QToolButton*>(u"klipbordStiFilKnap"_qs), &QToolButton::clicked, this, [this] {
        if (funk->FFilnavn.isEmpty()) {
            UdskrivInfo(u"Der er ikke valgt en fil."_qs);
            return;
        }
        tilKlipbord(funk->FFilnavn);
        UdskrivInfo(u"Stien og filnavnet blev kopieret til klipbordet"_qs);
    });
    connect(findChild<QToolButton*>(u"klipbordStiKnap"_qs), &QToolButton::clicked, this, [this] {
        tilKlipbord(EditSti->text());
        UdskrivInfo(u"Stien blev kopieret til klipbordet"_qs);
    });
}

} // namespace kv
