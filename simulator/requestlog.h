#pragma once

#include "simulator/apimessage.h"

#include <QJsonArray>

#include <mutex>

// Every portal request in arrival order, for the tests to inspect.
class RequestLog
{
public:
    void record(const ApiRequest &request);
    void clear();
    QJsonArray toJson() const;

private:
    mutable std::mutex m_mutex;
    QJsonArray m_entries;
};
