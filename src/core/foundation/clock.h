#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and the time of day, as the system sees them.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
};

// A clock that stands still (for --today and for tests); set() moves it.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now)
        : m_now(std::move(now))
    {}
    explicit FixedClock(QDate today)
        : m_now(today.startOfDay())
    {}
    QDateTime now() const override { return m_now; }
    void set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};
