#pragma once
// Thumbnails decoded on worker threads of our own, or taken from the
// desktop's shared thumbnail cache and put there, and kept in a store of
// bounded size. The GUI thread asks, in order of need; results come back to
// it as signals. Each load is a generation: work of an older one is dropped.
// Every picture of a generation is made once; the store keeps those nearest
// the page in sight, the others leave their size and the shared cache behind.
#include "Billeddekoder.h"
#include "platform/Miniaturecache.h"
#include "platform/RegularFile.h"

#include <QObject>
#include <QStringList>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

namespace kv {

class TBilledPulje : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 standardBudget = 256LL << 20;

    // traade 0: one a core, four at most.
    explicit TBilledPulje(qint64 budget = standardBudget, int traade = 0, QObject* parent = nullptr);
    ~TBilledPulje() override;

    // New files (program paths) to decode into room of that size, shrunk to
    // fit or (not skaler) cut to it at their own size; what was queued,
    // decoded or stored before is forgotten.
    void nyGeneration(const QStringList& stier, QSize plads, bool skaler = true);
    // The page from start with antal pictures first, then the pages on each
    // side, outwards: kept as far as the store's budget holds them, beyond
    // that made (or read from the shared cache) once and let go.
    void prioriter(int start, int antal);
    // Picture nr is gone from the list; those after it move down one. The
    // others keep what they have and what is under way for them.
    void fjern(int nr);
    // Drops all work and every stored picture.
    void stop();

    // A stored thumbnail, or nothing while it is not (or no longer) decoded.
    const QImage* billede(int nr);
    bool forsogt(int nr) const;  // decoding ended, well or not
    bool ulaeselig(int nr) const;
    QSize original(int nr) const;
    int antalForsogt() const { return m_forsogt; }
    int antalUlaeselige() const { return m_ulaeselige; }
    // Thumbnails handed over, decoded or read from the cache, in every generation.
    int antalLeverede() const { return m_leverede; }
    // How many thumbnails of this size the budget holds.
    int kapacitet() const;
    qint64 brugt() const { return m_brugt; }
    int traade() const { return int(m_traade.size()); }

signals:
    void klar(int nr);

private:
    struct Post {
        QImage billede;
        QSize original;
        bool forsogt = false;
        bool ok = false;
        bool iGang = false;
        std::list<int>::iterator lru;
        bool iLager = false;
        bool beholdes = false;  // near enough the page to be kept in the store
        int id = 0;             // follows the picture when others are removed
    };
    void arbejd();
    void lever(int generation, int id, const Miniature& m);
    void glem(int nr);

    qint64 m_budget;
    // Shared with the workers, under m_laas.
    std::mutex m_laas;
    std::condition_variable m_vent;
    std::deque<int> m_koe;
    std::vector<LocatedFile> m_filer;
    std::vector<std::optional<Miniaturecache::Opslag>> m_cache;
    std::vector<int> m_ider;
    QSize m_plads;
    bool m_skaler = true;
    int m_generation = 0;
    bool m_slut = false;
    std::vector<std::thread> m_traade;
    // The GUI thread's own.
    std::vector<Post> m_poster;
    std::list<int> m_lru;  // most recently used first
    qint64 m_brugt = 0;
    int m_forsogt = 0;
    int m_ulaeselige = 0;
    int m_leverede = 0;
    int m_naesteId = 0;
    int m_synligStart = 0, m_synligAntal = 0;
};

} // namespace kv
