// The peer of bench/startup: a Qt Widgets program that shows one empty window
// and ends when it is first painted, as Kvistlund does with KV_BENCH_QUIT_ON_SHOW=1.
// An argument WIDTHxHEIGHT gives the window that size instead of Qt's default.
// A second argument N fills it with about N ordinary widgets, none of them
// doing anything: one page of them shown, the rest on hidden pages of a tab
// book, as a window of that many widgets costs to build before any logic.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

struct SlutEfterMaling : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

// One page: a toolbar of ten pictured actions, two groups of three choices,
// eight check boxes and four labelled fields; returns how many widgets it made.
static int fyldSide(QWidget* side, const QIcon& billede)
{
    int antal = 1;
    auto* layout = new QVBoxLayout(side);
    auto* bar = new QToolBar;
    for (int i = 0; i < 10; ++i)
        bar->addAction(new QAction(billede, QStringLiteral("Handling %1").arg(i), bar));
    layout->addWidget(bar);
    antal += 11;
    for (int g = 0; g < 2; ++g) {
        auto* gruppe = new QGroupBox(QStringLiteral("Gruppe %1").arg(g));
        auto* valg = new QVBoxLayout(gruppe);
        for (int r = 0; r < 3; ++r)
            valg->addWidget(new QRadioButton(QStringLiteral("Valg %1").arg(r)));
        layout->addWidget(gruppe);
        antal += 4;
    }
    for (int c = 0; c < 8; ++c)
        layout->addWidget(new QCheckBox(QStringLiteral("Tjek %1").arg(c)));
    for (int f = 0; f < 4; ++f) {
        layout->addWidget(new QLabel(QStringLiteral("Felt %1").arg(f)));
        layout->addWidget(new QLineEdit(QStringLiteral("tekst")));
    }
    return antal + 16;
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget vindue;
    SlutEfterMaling slut;
    vindue.installEventFilter(&slut);
    if (argc > 1) {
        const QList<QByteArray> maal = QByteArray(argv[1]).split('x');
        if (maal.size() == 2)
            vindue.resize(maal[0].toInt(), maal[1].toInt());
    }
    if (argc > 2) {
        const int oensket = std::atoi(argv[2]);
        QPixmap billede(20, 20);
        billede.fill(Qt::darkCyan);
        auto* layout = new QVBoxLayout(&vindue);
        auto* bog = new QTabWidget;
        layout->addWidget(bog);
        for (int antal = 2; antal < oensket;) {
            auto* side = new QWidget;
            antal += fyldSide(side, QIcon(billede));
            bog->addTab(side, QStringLiteral("Side %1").arg(bog->count() + 1));
        }
    }
    vindue.show();
    return app.exec();
}
