// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Another process for the lock tests: takes the lock at the path it is given, says how that
// went on standard output, and holds it until its standard input ends or it is killed.

#include "platform/process_lock.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const stocks::platform::ProcessLock lock(QString::fromLocal8Bit(argv[1]));
    using State = stocks::platform::ProcessLock::State;
    std::cout << (lock.state() == State::Held ? "held" : "refused") << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}
