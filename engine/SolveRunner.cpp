#include "SolveRunner.h"

namespace velmar::engine {

SolveRunner::~SolveRunner()
{
    if (m_worker.joinable())
        m_worker.join();
}

void SolveRunner::start(const solver::Facelets& facelets)
{
    if (m_searching)
        return;
    m_searching = true;
    m_worker = std::thread([this, facelets] {
        solver::prepareTables();
        const solver::SolveResult result = solver::solve(facelets);
        // Posted to this object: the destructor joins first, so it is still there.
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result.moves, result.error); }, Qt::QueuedConnection);
    });
}

void SolveRunner::deliver(const std::string& moves, const std::string& error)
{
    m_worker.join();
    m_searching = false;
    if (!error.empty())
        emit failed(QString::fromStdString(error));
    else
        emit found(QByteArray::fromStdString(moves));
}

} // namespace velmar::engine
