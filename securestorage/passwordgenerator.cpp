#include "securestorage/passwordgenerator.h"

#include <QDateTime>
#include <QDeviceInfo>
#include <QMutex>
#include <QRandomGenerator>

#include <random>

namespace {
constexpr std::mt19937::result_type s_fixedSeed = 0x5EC0A7E5u;

const QString &characterTable()
{
    static const QString table = QStringLiteral("abcdefghijklmnopqrstuvwxyz"
                                                "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789"
                                                "!#$%&*+-_");
    return table;
}

std::mt19937 &generator(PasswordGenerator::RandomType type)
{
    static std::mt19937 timeSeeded(std::mt19937::result_type(QDateTime::currentMSecsSinceEpoch()));
    static std::mt19937 fixedSeed(s_fixedSeed);
    return type == PasswordGenerator::TimeSeeded ? timeSeeded : fixedSeed;
}

std::uniform_int_distribution<int> &distribution()
{
    static std::uniform_int_distribution<int> positions(0, int(characterTable().size()) - 1);
    return positions;
}

template <typename Draw>
QString drawCharacters(unsigned int length, Draw draw)
{
    QString password;
    password.reserve(int(length));
    for (unsigned int i = 0; i < length; ++i)
        password.append(characterTable().at(draw()));
    return password;
}
} // namespace

QString PasswordGenerator::alphabet()
{
    return characterTable();
}

QString PasswordGenerator::getPassword(RandomType type, unsigned int length) const
{
    std::mt19937 &engine = generator(type);
    return drawCharacters(length, [&engine] { return distribution()(engine); });
}

QString PasswordGenerator::getDeviceId() const
{
    static QMutex mutex;
    static QString deviceId;
    const QMutexLocker locker(&mutex);
    // Kept once known; an empty answer is asked again next time.
    if (deviceId.isEmpty())
        deviceId = QDeviceInfo().uniqueDeviceID();
    return deviceId;
}

QString PasswordGenerator::getPureDeviceId() const
{
    return getDeviceId();
}

QString PasswordGenerator::getPseudoRandomPassword() const
{
    return getDeviceId() + QLatin1Char('-') + getPassword(FixedSeed, s_suffixLength);
}

QString PasswordGenerator::getRandomPassword() const
{
    return getDeviceId() + QLatin1Char('-') + getPassword(TimeSeeded, s_suffixLength);
}

QString PasswordGenerator::getSecureRandomPassword() const
{
    const int size = characterTable().size();
    return getDeviceId() + QLatin1Char('-')
        + drawCharacters(s_suffixLength, [size] { return int(QRandomGenerator::system()->bounded(size)); });
}
