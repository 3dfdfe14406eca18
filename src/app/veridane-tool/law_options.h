#pragma once

#include "core/lawdb/law_browse.h"

#include <QString>

#include <optional>

// "before" and "after" stand for the two captions of the year mode.
inline std::optional<YearMode> lawYearMode(const QString &text)
{
    if (text == u"before")
        return YearMode::Before;
    if (text == u"after")
        return YearMode::After;
    return std::nullopt;
}

// A category button's number, 1 to 10.
inline std::optional<int> lawCategory(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || n > 10)
        return std::nullopt;
    return n;
}
