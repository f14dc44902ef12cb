// The main settings applied to the window at creation and collected from it
// at close. The file itself is TEgenskaber's.
#include "ui/Beskeder.h"
#include "ui/UdenAtStandse.h"
#include "app/Design.h"
#include "ui/Programfiler.h"
#include "ui/TFunktionsform.h"
#include "app/Tmainform.h"
#include "lists/TInternetside.h"
#include "calendar/TNotatpanel.h"
#include "ui/TDovenSide.h"
#include "fileops/THandlinger.h"
#include "picturebox/TGalForm.h"
#include "platform/FileSystem.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

namespace kv {

void Tmainform::hentEgenskaber()
{
    TEgenskaber e;
    QString fejl;
    const bool hentet = e.hent(optFilnavn, &fejl);
    // A settings file that is there but cannot be read (a FIFO, a device, too
    // large, no access) is the user's: it is reported and left as it is at close.
    egenskaberUlaeselige = !hentet && entryInfo(optFilnavn).has_value();
    if (egenskaberUlaeselige)
        visFejl(u"Indstillingerne kunne ikke læses og bliver ikke gemt, når programmet lukkes.\r"_qs + fejl);
    if (hentet ||
        e.hent(programmappe + u'\\' + programfiler::egenskaberMappe + u'\\' + programfiler::standardEgenskaber))
        anvendEgenskaber(e);
    else
        standardEgenskaber();
    ladHaendelserKoere(QEventLoop::ExcludeUserInputEvents);
}

void Tmainform::standardEgenskaber()
{
    anvendEgenskaber(TEgenskaber());
}

void Tmainform::anvendEgenskaber(const TEgenskaber& e)
{
    egenskaber = e;
    if (anvendDesign(e.designName))
        designName = e.designName;
    designBox->setCurrentText(designName);

    // A window saved on a screen that is gone comes back on the one there is.
    // The position is the frame's, so its title bar stays on the screen too.
    const QScreen* s = QGuiApplication::screenAt(QPoint(e.vinduesVenstre, e.vinduesTop) +
                                                 QPoint(e.vinduesBredde, e.vinduesHoejde) / 2);
    const QRect skaerm = (s ? s : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize titel(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize str = QSize(e.vinduesBredde, e.vinduesHoejde).boundedTo(skaerm.size() - titel).expandedTo(minimumSize());
    resize(str);
    move(std::clamp(e.vinduesVenstre, skaerm.left(), std::max(skaerm.left(), skaerm.right() + 1 - str.width())),
         std::clamp(e.vinduesTop, skaerm.top(), std::max(skaerm.top(), skaerm.bottom() + 1 - (str + titel).height())));

    resultBox->button(e.resultBox)->setChecked(true);
    spmBox->button(e.spmBox)->setChecked(true);
    medtagPrivatCheck->setChecked(e.medtagPrivat);
    placerPrivatCheck->setChecked(e.placerPrivat);
    funk->FMedtagPrivat = e.medtagPrivat;
    funk->FPrivatTop = e.placerPrivat;
    gemtFilMappe = e.gemtFilMappe;
    funk->LastStrukturNo = e.LastStrukturNo;
    hsMenuNiveau->setChecked(e.hsMenuNiveau);
    hsMenuPunkt->setChecked(!e.hsMenuNiveau);
    fileRunNumber = e.fileRunNumber;
    funk->FDirMappe = e.FDirMappe;
    gemtMappe3 = e.gemtMappe3;
    if (!e.kalenderMappe.isEmpty() && folderExists(e.kalenderMappe))
        brugerKalenderMappe = e.kalenderMappe;
    Bog->setCurrentIndex(e.bogSide);
    topBog->setCurrentIndex(e.topBogSide);
    topBog->setVisible(e.visTopBog);

    idSize = e.idSize;
    idSizeEdit->setText(QString::number(idSize));
    saetHoejde(listePanel, HojdeMedit, e.listeHoejde);
    saetHoejde(listePanel2, HojdeFedit, e.listeHoejde2);
    saetBredde(BleftPanel, e.spalte1);
    saetBredde(BleftPanel2, e.spalte2);
    saetBredde(BrightPanel, e.hoejrePanel);
    BleftPanel->setVisible(e.visSpalte1);
    BleftPanel2->setVisible(e.visSpalte2);
    BrightPanel->setVisible(e.visHoejre);
    infoPanel->setVisible(e.visInfoPanel);
    AMfunktionsNumber = e.AMfunktionsNumber;
    mappeBox->setChecked(e.mappeBox);
    mappeBox2->setChecked(!e.mappeBox);

    for (auto [gruppe, valgt] : {std::pair{tabBox, e.tabBox}, {progBox, e.progBox}, {rpBox, e.rpBox}}) {
        gruppe->button(valgt)->setChecked(true);
        emit gruppe->idClicked(valgt);
    }
    maxElementer = e.maxElementer;
    maxFindEdit->setText(QString::number(maxElementer));
    if (notatFane->lavet())
        notatpanel()->saetNotatHoejde(e.notatHoejde);
    hpSynligtBox->setChecked(e.hpSynligt);
    for (int n = 1; n <= 8; ++n)
        findChild<QCheckBox*>(QString::fromUtf16(funktion(n).boks))->setChecked(e.udenfor(n));

    rydCheck->setChecked(e.ryd);
    LukCheck->setChecked(e.luk);
    papirkurvCheck->setChecked(e.papirkurv);
    DragDropCheck->setChecked(e.dragDrop);
    kopiCheck->setChecked(e.kopiLister);
    opdaterCheck->setChecked(e.opdater);
    if (internetFane->lavet())
        internetside()->start(OptMappe, e.gruppenavn, e.findTekst);
}

void Tmainform::holdPaaSkaermen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect skaerm = skaermen();
    const QRect r = frameGeometry();
    const QPoint ny(std::clamp(r.left(), skaerm.left(), std::max(skaerm.left(), skaerm.right() + 1 - r.width())),
                    std::clamp(r.top(), skaerm.top(), std::max(skaerm.top(), skaerm.bottom() + 1 - r.height())));
    if (ny != r.topLeft())
        move(ny);
}

void Tmainform::gemEgenskaber()
{
    if (egenskaberUlaeselige)
        return;
    TEgenskaber e = egenskaber;
    gemBilledboks(e);
    e.designName = designName;
    QRect g = isMaximized() || isFullScreen() ? normalGeometry() : QRect(pos(), size());
    // What a docked window's tab changed is given back at the next start, as at its close.
    if (m_tabStoerrelse.isValid() && g.size() == m_tabStoerrelse)
        g.setSize(QSize(oldWidth, oldHeight));
    e.vinduesVenstre = g.left();
    e.vinduesTop = g.top();
    e.vinduesBredde = g.width();
    e.vinduesHoejde = g.height();
    e.resultBox = resultBox->checkedId();
    e.spmBox = spmBox->checkedId();
    e.medtagPrivat = medtagPrivatCheck->isChecked();
    e.placerPrivat = placerPrivatCheck->isChecked();
    e.gemtFilMappe = EditSti->text();
    e.LastStrukturNo = funk->LastStrukturNo;
    e.hsMenuNiveau = hsMenuNiveau->isChecked();
    e.fileRunNumber = fileRunNumber;
    e.FDirMappe = funk->FDirMappe;
    e.gemtMappe3 = gemtMappe3;
    e.kalenderMappe = brugerKalenderMappe;
    e.bogSide = Bog->currentIndex();
    e.topBogSide = topBog->currentIndex();
    e.visTopBog = !topBog->isHidden();
    e.idSize = idSize;
    e.listeHoejde = listePanel->minimumHeight();
    e.listeHoejde2 = listePanel2->minimumHeight();
    e.spalte1 = BleftPanel->minimumWidth();
    e.spalte2 = BleftPanel2->minimumWidth();
    e.hoejrePanel = BrightPanel->minimumWidth();
    e.visSpalte1 = !BleftPanel->isHidden();
    e.visSpalte2 = !BleftPanel2->isHidden();
    e.visHoejre = !BrightPanel->isHidden() || VisPanel3;
    e.visInfoPanel = !infoPanel->isHidden();
    e.AMfunktionsNumber = AMfunktionsNumber;
    e.mappeBox = mappeBox->isChecked();
    e.tabBox = tabBox->checkedId();
    e.progBox = progBox->checkedId();
    e.rpBox = rpBox->checkedId();
    e.maxElementer = maxElementer;
    // A page never made has changed nothing of what it keeps.
    if (notatFane->lavet())
        e.notatHoejde = notatpanel()->notatHoejde();
    e.hpSynligt = hpSynligtBox->isChecked();
    for (int n = 1; n <= 8; ++n)
        e.udenfor(n) = findChild<QCheckBox*>(QString::fromUtf16(funktion(n).boks))->isChecked();
    e.ryd = rydCheck->isChecked();
    e.luk = LukCheck->isChecked();
    e.papirkurv = papirkurvCheck->isChecked();
    e.dragDrop = DragDropCheck->isChecked();
    e.kopiLister = kopiCheck->isChecked();
    e.opdater = opdaterCheck->isChecked();
    if (internetFane->lavet()) {
        e.gruppenavn = internetside()->web.gruppenavn;
        e.findTekst = internetside()->findEdit->text();
    }
    QString fejl;
    if (!e.gem(optFilnavn, &fejl))
        visFejl(fejl);
}

} // namespace kv
