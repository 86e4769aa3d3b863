#pragma once

#include <QString>
#include <QVariantMap>

// How a worker reads a request's result map.
namespace RequestOutcome {

// A map without "success" is a failure.
bool succeeded(const QVariantMap &result);
// The request's "error" text; an answer that could not be read has none, so
// a text of our own stands in for it.
QString failureMessage(const QVariantMap &result);
// Empty on success, else failureMessage.
QString finishMessage(const QVariantMap &result);

} // namespace RequestOutcome
