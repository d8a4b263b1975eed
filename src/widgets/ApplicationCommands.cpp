#include "widgets/ApplicationCommands.h"

namespace corvelle {

namespace {

ApplicationCommands* currentCommands = nullptr;

} // namespace

ApplicationCommands::~ApplicationCommands()
{
    if (currentCommands == this)
        currentCommands = nullptr;
}

ApplicationCommands* ApplicationCommands::current()
{
    return currentCommands;
}

bool ApplicationCommands::canPerform(const QString& command)
{
    return currentCommands && currentCommands->validateCommand(command);
}

void ApplicationCommands::perform(const QString& command)
{
    if (canPerform(command))
        currentCommands->performCommand(command);
}

void ApplicationCommands::setCurrent(ApplicationCommands* commands)
{
    currentCommands = commands;
}

} // namespace corvelle
