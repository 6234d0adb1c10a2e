#pragma once

// The main menu; never returns.
[[noreturn]] void menu();
