#pragma once

#include <QString>

// Passwords of the secure container: the device's identifier, a dash and
// characters drawn from a fixed alphabet of 71 letters, digits and signs.
class PasswordGenerator
{
public:
    // TimeSeeded selects the generator seeded with the clock; any other value
    // the one with a fixed seed, which repeats its sequence in every run.
    enum RandomType { FixedSeed = 0, TimeSeeded = 1 };

    QString getPassword(RandomType type, unsigned int length) const;
    QString getDeviceId() const;
    QString getPureDeviceId() const;
    QString getPseudoRandomPassword() const;
    QString getRandomPassword() const;
    // Drawn from the operating system's secure random source: what a new
    // container's password must be, since the other two are guessable.
    QString getSecureRandomPassword() const;

    static QString alphabet();

private:
    static constexpr unsigned int s_suffixLength = 8;
};
