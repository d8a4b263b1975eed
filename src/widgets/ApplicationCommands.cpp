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

void ApplicationCommands::setCurrent(ApplicationCommands* commands)
{
    currentCommands = commands;
}

} // namespace corvelle
