#pragma once

#include "requests/requestinterface.h"

// The support feedback form.
class SupportRequest : public RequestInterface
{
    Q_OBJECT
public:
    struct SupportData
    {
        // Kept with the form; the URL comes from the settings.
        QString portalAddress;
        QString email;
        QString subject;
        QString text;
    };

    explicit SupportRequest(const SupportData &data, QObject *parent = nullptr);

protected:
    QVariantMap perform() override;

private:
    SupportData m_data;
};
