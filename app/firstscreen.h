#pragma once

#include "app/startoptions.h"

#include <functional>

class QObject;

// What the program opens once the start-up work is done: the order and production boards,
// the production list and quality boards, the product picture board, the monthly report
// after a login, the login or the site choice, as the start-up options say.
std::function<void()> firstScreen(const StartOptions& options, QObject* parent);
