#include "TBilledPulje.h"

#include <QMetaObject>
#include <algorithm>
#include <functional>

namespace kv {

namespace {

// A thumbnail from the shared cache when it holds a valid one; else decoded
// from the file at the cache's size, with what stores it there once the
// picture is on its way.
std::pair<Miniature, std::function<void()>> lavMiniature(const LocatedFile& fil,
                                                         const std::optional<Miniaturecache::Opslag>& cache,
                                                         QSize plads, bool skaler, const Afbryd& afbryd)
{
    // The shared cache holds shrunk pictures only.
    if (!cache || !skaler) {
        const auto data = readRegularFile(fil, maxBilledfil);
        return {data ? dekodMiniature(*data, plads, afbryd, skaler) : Miniature{}, {}};
    }
    const auto tilPladsen = [plads](Miniature m) {
        const QSize s = tilpasset(m.original, plads);
        if (m.billede.width() > s.width() || m.billede.height() > s.height())
            m.billede = m.billede.scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return m;
    };
    Miniature m;
    if (auto gemt = Miniaturecache::hent(*cache, &m.original)) {
        m.billede = std::move(*gemt);
        m.ok = true;
        return {tilPladsen(std::move(m)), {}};
    }
    // The time before the read, so a change while decoding leaves a thumbnail that is not trusted.
    const auto tid = Miniaturecache::mtime(cache->vaert);
    const auto data = readRegularFile(fil, maxBilledfil);
    if (!data)
        return {};
    m = dekodMiniature(*data, QSize(cache->kant, cache->kant), afbryd);
    if (!m.ok)
        return {m, {}};
    std::function<void()> gem;
    if (tid)
        gem = [opslag = *cache, billede = m.billede, original = m.original, tid = *tid] {
            Miniaturecache::gem(opslag, billede, original, tid);
        };
    return {tilPladsen(std::move(m)), std::move(gem)};
}

} // namespace

TBilledPulje::TBilledPulje(qint64 budget, int traade, QObject* parent) : QObject(parent), m_budget(budget)
{
    const int kerner = int(std::max(1u, std::thread::hardware_concurrency()));
    const int n = traade > 0 ? traade : std::min(kerner, 4);
    for (int i = 0; i < n; ++i)
        m_traade.emplace_back([this] { arbejd(); });
}

TBilledPulje::~TBilledPulje()
{
    {
        std::lock_guard lock(m_laas);
        m_slut = true;
        m_koe.clear();
    }
    m_vent.notify_all();
    for (auto& t : m_traade)
        t.join();
}

void TBilledPulje::nyGeneration(const QStringList& stier, QSize plads, bool skaler)
{
    // Host names are fixed here, where the drive table lives; workers only read.
    std::vector<LocatedFile> filer;
    std::vector<std::optional<Miniaturecache::Opslag>> cache;
    filer.reserve(size_t(stier.size()));
    cache.reserve(size_t(stier.size()));
    const Miniaturecache delt;
    for (const QString& sti : stier) {
        filer.push_back(locateFile(sti));
        cache.push_back(delt.opslag(sti, plads));
    }
    m_poster.assign(size_t(stier.size()), Post{});
    std::vector<int> ider;
    ider.reserve(m_poster.size());
    for (Post& p : m_poster)
        ider.push_back(p.id = m_naesteId++);
    {
        std::lock_guard lock(m_laas);
        ++m_generation;
        m_koe.clear();
        m_filer = std::move(filer);
        m_cache = std::move(cache);
        m_ider = std::move(ider);
        m_plads = plads;
        m_skaler = skaler;
    }
    m_lru.clear();
    m_brugt = 0;
    m_forsogt = m_ulaeselige = 0;
    m_synligStart = m_synligAntal = 0;
}

void TBilledPulje::stop()
{
    nyGeneration({}, {});
}

int TBilledPulje::kapacitet() const
{
    const qint64 stk = std::max<qint64>(1, qint64(m_plads.width()) * m_plads.height() * 4);
    return int(std::clamp<qint64>(m_budget / stk, 1, 1 << 30));
}

void TBilledPulje::prioriter(int start, int antal)
{
    const int n = int(m_poster.size());
    m_synligStart = start;
    m_synligAntal = antal;
    {
        // What waits in the queue is asked for anew below, in the new order.
        std::lock_guard lock(m_laas);
        for (int i : m_koe)
            m_poster[size_t(i)].iGang = false;
        m_koe.clear();
    }
    std::vector<int> orden;
    orden.reserve(size_t(n));
    auto tilfoej = [&](int fra, int til) {
        for (int i = std::max(0, fra); i < std::min(n, til); ++i)
            orden.push_back(i);
    };
    tilfoej(start, start + antal);
    const int side = std::max(1, antal);
    for (int k = 1; start + k * side < n || start - (k - 1) * side > 0; ++k) {
        tilfoej(start + k * side, start + (k + 1) * side);
        tilfoej(start - k * side, start - (k - 1) * side);
    }
    const size_t beholdes = size_t(std::max(std::min(n, kapacitet()), antal));
    std::deque<int> koe;
    for (size_t j = 0; j < orden.size(); ++j) {
        const int i = orden[j];
        Post& p = m_poster[size_t(i)];
        p.beholdes = j < beholdes;
        if (p.iLager) {
            if (p.beholdes)
                m_lru.splice(m_lru.begin(), m_lru, p.lru);  // wanted again: kept longer
        } else if (!p.iGang && !(p.forsogt && (!p.ok || !p.beholdes))) {
            // A picture once made and let go is made again only when it is to be kept.
            p.iGang = true;
            koe.push_back(i);
        }
    }
    {
        std::lock_guard lock(m_laas);
        m_koe = std::move(koe);
    }
    m_vent.notify_all();
}

void TBilledPulje::fjern(int nr)
{
    if (nr < 0 || nr >= int(m_poster.size()))
        return;
    {
        // A worker takes a number and its file under the lock; the numbers it
        // has not taken yet are moved down here with the list.
        std::lock_guard lock(m_laas);
        m_filer.erase(m_filer.begin() + nr);
        m_cache.erase(m_cache.begin() + nr);
        m_ider.erase(m_ider.begin() + nr);
        std::deque<int> koe;
        for (int i : m_koe)
            if (i != nr)
                koe.push_back(i > nr ? i - 1 : i);
        m_koe = std::move(koe);
    }
    const Post& p = m_poster[size_t(nr)];
    if (p.iLager)
        glem(nr);
    if (p.forsogt) {
        --m_forsogt;
        if (!p.ok)
            --m_ulaeselige;
    }
    m_poster.erase(m_poster.begin() + nr);
    for (int& i : m_lru)
        if (i > nr)
            --i;
}

void TBilledPulje::arbejd()
{
    for (;;) {
        int nr, id, generation;
        LocatedFile fil;
        std::optional<Miniaturecache::Opslag> cache;
        QSize plads;
        bool skaler;
        {
            std::unique_lock lock(m_laas);
            m_vent.wait(lock, [this] { return m_slut || !m_koe.empty(); });
            if (m_slut)
                return;
            nr = m_koe.front();
            m_koe.pop_front();
            generation = m_generation;
            id = m_ider[size_t(nr)];
            fil = m_filer[size_t(nr)];
            cache = m_cache[size_t(nr)];
            plads = m_plads;
            skaler = m_skaler;
        }
        // A new generation or the end gives up the picture at once, so that
        // closing never waits for a long decode.
        const Afbryd afbryd = [this, generation] {
            std::lock_guard lock(m_laas);
            return m_slut || m_generation != generation;
        };
        const auto [m, gemICache] = lavMiniature(fil, cache, plads, skaler, afbryd);
        QMetaObject::invokeMethod(this, [this, generation, id, m] { lever(generation, id, m); }, Qt::QueuedConnection);
        // The page waits for no writing of the shared cache.
        if (gemICache)
            gemICache();
    }
}

void TBilledPulje::lever(int generation, int id, const Miniature& m)
{
    {
        std::lock_guard lock(m_laas);
        if (generation != m_generation)
            return;  // of a folder or grid that is gone
    }
    const auto post = std::lower_bound(m_poster.begin(), m_poster.end(), id,
                                       [](const Post& p, int i) { return p.id < i; });
    if (post == m_poster.end() || post->id != id)
        return;  // removed while it was made
    const int nr = int(post - m_poster.begin());
    Post& p = *post;
    p.iGang = false;
    ++m_leverede;
    if (!p.forsogt) {
        p.forsogt = true;
        ++m_forsogt;
        if (!m.ok)
            ++m_ulaeselige;
    } else if (p.ok != m.ok) {
        m_ulaeselige += m.ok ? -1 : 1;
    }
    p.ok = m.ok;
    p.original = m.original;
    if (m.ok && p.beholdes && !p.iLager) {
        p.billede = m.billede;
        p.iLager = true;
        m_lru.push_front(nr);
        p.lru = m_lru.begin();
        m_brugt += p.billede.sizeInBytes();
        // Over budget: the least recently used go, never one on the page in sight.
        for (auto it = m_lru.end(); m_brugt > m_budget && it != m_lru.begin();) {
            --it;
            const int gammel = *it;
            if (gammel >= m_synligStart && gammel < m_synligStart + m_synligAntal)
                continue;
            it = std::next(it);
            glem(gammel);
        }
    }
    emit klar(nr);
}

void TBilledPulje::glem(int nr)
{
    Post& p = m_poster[size_t(nr)];
    m_brugt -= p.billede.sizeInBytes();
    m_lru.erase(p.lru);
    p.billede = QImage();
    p.iLager = false;
}

const QImage* TBilledPulje::billede(int nr)
{
    if (nr < 0 || nr >= int(m_poster.size()) || !m_poster[size_t(nr)].iLager)
        return nullptr;
    Post& p = m_poster[size_t(nr)];
    m_lru.splice(m_lru.begin(), m_lru, p.lru);
    return &p.billede;
}

bool TBilledPulje::forsogt(int nr) const
{
    return nr >= 0 && nr < int(m_poster.size()) && m_poster[size_t(nr)].forsogt;
}

bool TBilledPulje::ulaeselig(int nr) const
{
    return forsogt(nr) && !m_poster[size_t(nr)].ok;
}

QSize TBilledPulje::original(int nr) const
{
    return nr >= 0 && nr < int(m_poster.size()) ? m_poster[size_t(nr)].original : QSize();
}

} // namespace kv
