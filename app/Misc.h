// TMisc: asks the desktop to open a web address.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class TMisc {
public:
    TMisc() = delete;

    // Opens sCommand if it is an absolute http or https address; anything else is ignored. Whether the
    // desktop manages to open it is not examined and nothing is shown either way.
    static void Open(const QString& sCommand);

    // Where Open hands the address: the desktop's handler for web addresses, never a shell. Tests
    // replace it to see the address without a browser.
    static std::function<void(const QUrl&)> opener;
};
