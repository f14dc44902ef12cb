// The page "Søg efter": find by name under the selected folder, with Stop.
#include "ui/Beskeder.h"
#include "ui/Handlingsbilleder.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>

namespace kv {

namespace {

// The folder list takes (the page's height - 103) / 2; the file list the rest.
class Listehoejde : public QObject {
public:
    Listehoejde(QWidget* side, QListWidget* mapper) : QObject(side), m_mapper(mapper) { side->installEventFilter(this); }
    bool eventFilter(QObject* obj, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            // The page of the panel is the frame around this widget.
            const auto* w = static_cast<QWidget*>(obj);
            const int side = w->parentWidget() ? w->parentWidget()->height() : w->height();
            m_mapper->setFixedHeight(std::max(0, (side - 103) / 2));
        }
        return false;
    }

private:
    QListWidget* m_mapper;
};

} // namespace

QWidget* Tmainform::byggSoegeside()
{
    auto* side = new QWidget;
    new Listehoejde(side, mappeBoxen);
    side->setToolTip(u"Søg efter mappe eller fil i valgte drev eller mappe"_qs);
    findTekstEdit = new QLineEdit;
    findTekstEdit->setObjectName(u"findTekstEdit"_qs);
    auto* start = billedknap(u"findTekstKnap"_qs, Handlingsbillede::Soeg, u"Start søgning"_qs);
    findStopKnap = new QPushButton(u"Stop"_qs);
    findStopKnap->setObjectName(u"findStopKnap"_qs);
    findStopKnap->setToolTip(u"Stop søgningen: Esc"_qs);
    findStopKnap->setEnabled(false);
    mapperOverskrift = new QLabel(u"Mapper"_qs);
    mapperOverskrift->setObjectName(u"mapperOverskrift"_qs);
    filerOverskrift = new QLabel(u"Filer"_qs);
    filerOverskrift->setObjectName(u"filerOverskrift"_qs);

    auto* g = new QGridLayout(side);
    g->setContentsMargins(2, 2, 2, 2);
    g->setSpacing(2);
    g->addWidget(new QLabel(u"Søg efter"_qs), 0, 0, 1, 3);
    g->addWidget(findTekstEdit, 1, 0);
    g->addWidget(start, 1, 1);
    g->addWidget(findStopKnap, 1, 2);
    g->addWidget(mapperOverskrift, 2, 0, 1, 3);
    g->addWidget(mappeBoxen, 3, 0, 1, 3);
    g->addWidget(filerOverskrift, 4, 0, 1, 3);
    g->addWidget(filBoxen, 5, 0, 1, 3);

    connect(start, &QToolButton::clicked, this, &Tmainform::findTekstKnapClick);
    connect(findTekstEdit, &QLineEdit::returnPressed, this, &Tmainform::findTekstKnapClick);
    connect(findStopKnap, &QPushButton::clicked, this, [this] { funk->stopFind(); });
    auto* esc = new QShortcut(Qt::Key_Escape, this);
    connect(esc, &QShortcut::activated, this, [this] {
        if (findStopKnap->isEnabled())
            funk->stopFind();
    });
    return side;
}

void Tmainform::findTekstKnapClick()
{
    const QString tekst = findTekstEdit->text();
    if (tekst.isEmpty()) {
        visInformation(u"Der mangler en tekst,\rder skal søges efter."_qs);
        return;
    }
    if (tekst.size() < 5
        && !spmForm().spoerg({QString(), u"Der kan potentielt være i tusindevist af fund med så kort en søgetekst!"_qs,
                              u"Det er afhængig af mappen, der søges i."_qs,
                              u"Vil du starte søgningen alligevel?"_qs, QString()}))
        return;
    // The search runs as a job on its own copies, so the structures and the
    // file operations stay free while it runs.
    mapperOverskrift->setText(u"Mapper"_qs);
    filerOverskrift->setText(u"Filer"_qs);
    funk->FMaxElementer = maxElementer;
    const bool startet = funk->findElement(tekst, [this](const FindResultat& r) {
        findStopKnap->setEnabled(false);
        if (r.mapperUndersoegt > 0)
            mapperOverskrift->setText(u"Der er undersøgt %1:%2 mappenavne"_qs.arg(r.mapperUndersoegt).arg(r.mapperFundet));
        if (r.filerUndersoegt > 0)
            filerOverskrift->setText(u"Der er undersøgt %1:%2 filnavne"_qs.arg(r.filerUndersoegt).arg(r.filerFundet));
        if (r.stoppet)
            UdskrivInfo(u"Søgningen blev stoppet"_qs);
    });
    findStopKnap->setEnabled(startet);
}

} // namespace kv
