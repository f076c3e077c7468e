#include "Patterns.h"

#include <QMetaObject>

#include <cstring>

namespace velmar::engine {

const std::array<const char*, kPatternCount> FUN_LABELS = {
    "Damier", "Barre", "2 Cubes",   "3 Cubes", "Carré", "Damier coloré",
    "Plus",   "Bande", "Diagonale", "Angle",   "L",     "Tetris",
};

const std::array<const char*, kPatternCount> FUN_VALUES = {
    "OORRWWYYGGBB", "RRGGOORRGGor",          "WWGGRRwOOYBrBrBryOOw",   "GGyRRyowoRByWBOGGOWW",
    "gBrOYwgB",     "OORRWWYYGGBBgBrOYwgFB", "RGGBBRROOWWGGBBRROOYYr", "rGGRRbyRRWRRBBRRYRRwbRRGG",
    "GBROGBROGBRO", "WGGRbGoRRBgYWWrGGw",    "OBBYRbGyoRyWgRRw",       "GBROGBROGBROWWYY",
};

QString patternItemText(int index)
{
    return QStringLiteral("%1 (%2)")
        .arg(QString::fromUtf8(FUN_LABELS.at(std::size_t(index))))
        .arg(std::strlen(FUN_VALUES.at(std::size_t(index))));
}

TPatternPlayer::TPatternPlayer(TFaceTurns& turns, PatternHost& host) : m_turns(turns), m_host(host)
{
    m_idle = QObject::connect(&m_turns, &TFaceTurns::idle, [this] {
        if (m_pending)
            post();
    });
}

TPatternPlayer::~TPatternPlayer()
{
    QObject::disconnect(m_idle);
}

void TPatternPlayer::request(int index)
{
    if (index < 0 || index >= kPatternCount)
        return;
    request(Playback{QByteArray(FUN_VALUES[std::size_t(index)]), true, {}, {}, {}});
}

void TPatternPlayer::request(Playback playback)
{
    // While a pattern plays, nothing starts another.
    if (m_playing)
        return;
    m_pending = std::move(playback);
    post();
}

void TPatternPlayer::post()
{
    if (m_posted)
        return;
    m_posted = true;
    QMetaObject::invokeMethod(
        &m_postContext, [this] { startWhenIdle(); }, Qt::QueuedConnection);
}

void TPatternPlayer::startWhenIdle()
{
    m_posted = false;
    if (!m_pending || m_turns.isAbandoned()) {
        m_pending.reset();
        return;
    }
    // Resetting under a running turn would take pieces that sit under its pivot; the turn engine calls
    // back when it falls idle, and the pattern that ends calls this again itself.
    if (m_turns.isTurning() || m_playing)
        return;
    Playback playback = std::move(*m_pending);
    m_pending.reset();
    if (playback.stillWanted && !playback.stillWanted())
        return;
    if (playback.resetFirst)
        m_host.SortVelmar();
    if (playback.before)
        playback.before();
    PlayMvt(playback.letters);
    if (playback.after)
        playback.after();
    if (m_pending)
        post();
}

void TPatternPlayer::PlayMvt(const QByteArray& TheMvts)
{
    if (m_playing || m_turns.isTurning())
        return;
    m_playing = true;
    m_host.setMvtAuto(true);
    m_host.setProgressValue(1);
    m_host.setProgressMaximum(int(TheMvts.size()));
    m_host.setProgressVisible(true);
    m_host.setCommandEnabled(false);
    for (char letter : TheMvts) {
        m_turns.Rotate(letter, TurnOrigin::Playback);
        m_host.setProgressValue(m_host.progressValue() + 1);
    }
    m_host.setMvtAuto(false);
    m_host.setProgressVisible(false);
    m_host.setCommandEnabled(true);
    m_playing = false;
}

} // namespace velmar::engine
