#pragma once
// A progress bar that redraws only when it has moved by a whole step.
#include "TRammeX.h"

#include <QWidget>

namespace kv {

enum TCompoOrientering { coVandret, coLodret };

class TProgressCompo : public QWidget {
    Q_OBJECT
public:
    explicit TProgressCompo(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 100;
    int Trin = 5;
    QColor ColorStep = Qt::blue;
    TCompoOrientering Orientering = coVandret;
    QString Tekst;  // kept; drawn by no text style here
    TRammeGrundX Ramme;

    int Position() const { return m_position; }
    void SetPosition(int v);
    // The step the bar is drawn to, and its length in pixels.
    int tegnetTrin() const { return m_trin; }
    int barLaengde() const;

signals:
    void OnProgress(int procent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect omraade() const;
    int m_position = 0;
    int m_trin = 0;
    bool m_malet = false;
};

} // namespace kv
