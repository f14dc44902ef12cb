#include "app/THandlingsliste.h"
#include "app/Beskeder.h"
#include "app/Handlingskatalog.h"
#include "platform/Fejl.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kv {

THandlingsliste::THandlingsliste(QWidget* vindue) : QObject(vindue)
{
    for (const Handlingsdef& d : handlingskatalog()) {
        auto* a = new QAction(QString::fromUtf16(d.caption), vindue);
        a->setObjectName(QString::fromLatin1(d.navn));
        const QString hint = QString::fromUtf16(d.hint);
        a->setToolTip(hint.isEmpty() ? a->text() : hint);
        a->setStatusTip(hint);
        a->setIcon(handlingsIkon(d.billede));
        if (*d.genveje)
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(d.genveje)));
        a->setEnabled(false);
        vindue->addAction(a);
        m_poster.insert(QByteArray(d.navn), Post{a, {}, [] { return false; }});
        connect(a, &QAction::triggered, this, [this, navn = QByteArray(d.navn)] { udfoer(m_poster[navn]); });
    }
    qApp->installEventFilter(this);
}

QAction* THandlingsliste::handling(const char* navn) const
{
    const auto it = m_poster.constFind(QByteArray(navn));
    if (it == m_poster.cend())
        qFatal("Handlingen %s findes ikke i kataloget", navn);
    return it->handling;
}

void THandlingsliste::bind(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv)
{
    auto it = m_poster.find(QByteArray(navn));
    if (it == m_poster.end())
        qFatal("Handlingen %s findes ikke i kataloget", navn);
    it->udfoer = std::move(udfoer);
    it->aktiv = aktiv ? std::move(aktiv) : [] { return true; };
    planlaegOpdatering();
}

void THandlingsliste::udfoer(const Post& post)
{
    // A rule may have changed since it last ran; a disabled action does nothing.
    if (m_stoppet || !post.udfoer || !post.aktiv())
        return;
    try {
        post.udfoer();
    } catch (const Fejl& f) {
        visFejl(f.tekst());
    }
    planlaegOpdatering();
}

void THandlingsliste::stop()
{
    m_stoppet = true;
    qApp->removeEventFilter(this);
    for (const Post& p : std::as_const(m_poster))
        p.handling->setEnabled(false);
}

void THandlingsliste::opdaterAlle()
{
    m_planlagt = false;
    if (m_stoppet)
        return;
    for (const Post& p : std::as_const(m_poster))
        p.handling->setEnabled(p.aktiv());
}

void THandlingsliste::planlaegOpdatering()
{
    if (m_planlagt)
        return;
    m_planlagt = true;
    QTimer::singleShot(0, this, &THandlingsliste::opdaterAlle);
}

bool THandlingsliste::eventFilter(QObject* obj, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        opdaterAlle();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
        planlaegOpdatering();
        break;
    default:
        break;
    }
    return QObject::eventFilter(obj, event);
}

} // namespace kv
