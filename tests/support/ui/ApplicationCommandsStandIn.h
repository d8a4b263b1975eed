#pragma once

#include "widgets/ApplicationCommands.h"

#include <QStringList>

namespace corvelle::test {

// Stands in for the running application while it exists: it offers the commands listed in
// `available` and records the ones performed.
class ApplicationCommandsStandIn : public ApplicationCommands {
public:
    explicit ApplicationCommandsStandIn(QStringList available) : available(std::move(available)) { setCurrent(this); }

    bool validateCommand(const QString& command, QAction* = nullptr) override { return available.contains(command); }
    void performCommand(const QString& command, QAction* = nullptr) override { performed << command; }
    QMenu* toolbarItemHelpMenu() const override { return nullptr; }

    QStringList available;
    QStringList performed;
};

} // namespace corvelle::test
