#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>

// Misbehaviour asked for by the test side, per endpoint.
struct Fault
{
    enum class Mode { Status, Malformed, Truncated, Hang, Drop, Delay, Paced, Hold };

    QString path;          // decoded request path, compared without case
    QString method;        // empty: every method
    Mode mode = Mode::Status;
    int status = 0;        // 0: the mode's default
    QByteArray body;
    bool hasBody = false;
    int delayMs = 0;
    int chunkBytes = 0;    // paced: bytes sent between two pauses of delayMs
    int remaining = -1;    // -1: every matching request
    int heldSince = 0;     // hold: the release count when the request came

    // Parses the control body; on error returns false with a message.
    static bool fromJson(const QJsonObject &object, Fault *fault, QString *error);
    QJsonObject toJson() const;
};

class FaultInjector
{
public:
    void add(const Fault &fault);
    void clear();
    // Takes the first fault that applies to the request, counting it down.
    bool take(const QString &method, const QString &path, Fault *fault);
    QJsonArray toJson() const;
    // Lets every request held so far go on.
    void release();
    int releases() const { return m_releases; }

private:
    mutable std::mutex m_mutex;
    QList<Fault> m_faults;
    std::atomic<int> m_releases{0};
};
