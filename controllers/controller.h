#pragma once

#include <QObject>
#include <QString>

class DataAccessObject;
class Settings;

// Base of every page controller: the shared settings and cache that QML hands
// over, and the owner names every listing shows.
class Controller : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Settings *settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(DataAccessObject *dao READ dao WRITE setDao NOTIFY daoChanged)

public:
    explicit Controller(QObject *parent = nullptr);

    Settings *settings() const { return m_settings; }
    void setSettings(Settings *settings);
    DataAccessObject *dao() const { return m_dao; }
    void setDao(DataAccessObject *dao);

    // Empty while no cache is set or the cache does not know the owner.
    Q_INVOKABLE QString ownerNameById(int ownerId) const;

signals:
    void settingsChanged();
    void daoChanged();

protected:
    Settings *m_settings = nullptr;
    DataAccessObject *m_dao = nullptr;
};
