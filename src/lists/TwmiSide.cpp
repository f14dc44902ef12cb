#include "lists/TwmiSide.h"
#include "ui/Funktionsvaert.h"
#include "ui/TspmForm.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"
#include "ui/Beskeder.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>

namespace kv {

static const QString vaelgKlasse = u"Vælg en wmi class"_qs;

// The shell's error code (the program's table of them) for a script that
// did not start.
static int startkode(const QString& skript, int fejl)
{
    if (!fileExists(skript))
        return 2;
    switch (fejl) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return 3;  // the working folder went
    case EACCES:
    case EPERM: return 5;
    case ETXTBSY: return 26;
    case ENOMEM: return 8;
    default: return 0;  // out of processes or other resources
    }
}

TwmiSide::TwmiSide(Funktionsvaert* hoved, QWidget* bar) : hoved(hoved)
{
    setObjectName(u"wmiSide"_qs);
    wmiBox = new QComboBox;
    wmiBox->setObjectName(u"wmiBox"_qs);
    wmiBox->setMinimumWidth(260);
    auto* trin = new QLabel(u"1. Indlæs WMI klasser\n2. Vælg klasse\n3. Skriv scriptet\n4. Se output\n"
                            u"5. Kør vbs-filen og opdater mappen"_qs);
    auto* klasse = new QVBoxLayout;
    klasse->addWidget(new QLabel(u"root\\cimv2"_qs));
    klasse->addWidget(wmiBox);
    klasse->addStretch();
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(bar);
    l->addLayout(klasse);
    l->addWidget(trin);
    l->addStretch();
    wmiTimer = new QTimer(this);
    wmiTimer->setInterval(100);
    connect(wmiTimer, &QTimer::timeout, this, &TwmiSide::wmiTimerTimer);
}

void TwmiSide::bind()
{
    Funktionsvaert* h = hoved;
    h->bindHandling("AloadListe", [this] { AloadListeExecute(); }, [this] { return !namespaceDone; });
    h->bindHandling("Awmi", [this] { AwmiExecute(); },
            [this] { return !wmiDone && !m_hent.koerer() && fileExists(hoved->stier().classFile); });
    h->bindHandling("AmakeFile", [this] { AmakeFileExecute(false); },
            [this] { return wmiBox->currentIndex() > 0 && !m_generator.koerer() && fileExists(hoved->stier().udskrivFile); });
    h->bindHandling("AmakeFileHTML", [this] { AmakeFileExecute(true); },
            [this] { return wmiBox->currentIndex() > 0 && !m_generator.koerer() && fileExists(hoved->stier().udskrivFileHTML); });
}

void TwmiSide::AloadListeExecute()
{
    if (!fileExists(hoved->stier().wmiFile))
        return;
    wmiBox->clear();
    // The script writes the list whole under another name and renames it; an
    // old list goes first, so loading waits for the new one.
    if (fileExists(hoved->stier().classFile))
        removeFile(hoved->stier().classFile);
    if (!m_hent.start(hoved->stier().wmiFile, {}, {}, hoved->stier().wmidir)) {
        hoved->ErrorInfo(startkode(hoved->stier().wmiFile, m_hent.startfejl()));
        return;
    }
    m_hentFrist = QDeadlineTimer(hentGraense);
    wmiDone = false;
    namespaceDone = true;
    wmiTimer->start();
    hoved->UdskrivInfo(u"Henter classes..."_qs);
}

void TwmiSide::AwmiExecute()
{
    const auto linjer = readTextLines(hoved->stier().classFile);
    if (!linjer) {
        visInformation(u"Der opstod en ukendt fejl."_qs);
        return;
    }
    // Only plain class names: a name becomes part of a file path.
    static const QRegularExpression klassenavn(u"^[A-Za-z0-9_]+$"_qs);
    QStringList klasser;
    for (const QString& l : *linjer)
        if (klassenavn.match(l).hasMatch())
            klasser << l;
    if (klasser.isEmpty()) {
        visInformation(u"Listen over classes er tom.\rHent classes igen."_qs);
        return;
    }
    wmiBox->clear();
    wmiBox->addItem(vaelgKlasse);
    wmiBox->addItems(klasser);
    wmiBox->setCurrentIndex(0);
    wmiDone = true;
}

void TwmiSide::AmakeFileExecute(bool html)
{
    if (!folderExists(hoved->stier().wmiMappe)) {
        visInformation(u"WMI mappen findes ikke:\r%1"_qs.arg(hoved->stier().wmiMappe));
        return;
    }
    const QString klasse = wmiBox->currentText();
    vbsFile = hoved->stier().wmiMappe + u'\\' + klasse + (html ? u"_Html.vbs"_qs : u".vbs"_qs);
    // The user may have changed the old script; the new one replaces it whole.
    if (entryInfo(vbsFile)
        && !spmForm().spoerg({u"Scriptet \"%1\" findes allerede."_qs.arg(nameOf(vbsFile)),
                              u"Skal det erstattes?"_qs}))
        return;
    // The generator may have gone since the action was enabled; sh would
    // then start and fail without saying why.
    const QString generator = html ? hoved->stier().udskrivFileHTML : hoved->stier().udskrivFile;
    if (!fileExists(generator) || !m_generator.start(generator, {klasse}, {}, hoved->stier().wmiMappe)) {
        hoved->ErrorInfo(startkode(generator, m_generator.startfejl()));
        return;
    }
    m_generatorFrist = QDeadlineTimer(generatorGraense);
    wmiTimer->start();
}

void TwmiSide::wmiTimerTimer()
{
    // True once the script waited for has ended; one that ran out of time is
    // stopped first (forLaenge). A forever deadline: not waiting for it.
    bool forLaenge = false;
    const auto faerdig = [&forLaenge](Underproces& p, QDeadlineTimer& frist) {
        if (frist.isForever())
            return false;
        forLaenge = p.koerer() && frist.hasExpired();
        if (forLaenge)
            p.stop();
        if (p.koerer())
            return false;
        frist = QDeadlineTimer(QDeadlineTimer::Forever);
        return true;
    };
    const auto kode = [](const Underproces& p) { return p.udfald() ? QString::number(*p.udfald()) : u"-"_qs; };
    if (faerdig(m_hent, m_hentFrist)) {
        const bool hentet = !forLaenge && m_hent.udfald() == 0 && fileExists(hoved->stier().classFile);
        // A list that did not come can be asked for again.
        namespaceDone = hentet;
        if (hentet)
            hoved->UdskrivInfo(u"Classes er hentet og kan indlæses"_qs);
        else if (forLaenge)
            visInformation(u"Hentningen af classes tog for lang tid og blev stoppet."_qs);
        else
            visInformation(u"Listen over classes kunne ikke hentes.\rFejlkode: %1"_qs.arg(kode(m_hent)));
    }
    if (faerdig(m_generator, m_generatorFrist)) {
        if (forLaenge) {
            visInformation(u"Skrivningen af scriptet tog for lang tid og blev stoppet."_qs);
        } else if (m_generator.udfald() == 0 && fileExists(vbsFile)) {
            // A paste or delete running has the structures.
            if (!hoved->optaget())
                hoved->aabnIStruktur2(hoved->stier().wmiMappe, false);
            hoved->UdskrivInfo(u"Scriptet er skrevet: "_qs + nameOf(vbsFile));
        } else {
            visInformation(u"Scriptet til \"%1\" kunne ikke skrives.\rFejlkode: %2"_qs.arg(wmiBox->currentText(),
                                                                                           kode(m_generator)));
        }
    }
    if (m_hentFrist.isForever() && m_generatorFrist.isForever())
        wmiTimer->stop();
}

} // namespace kv
