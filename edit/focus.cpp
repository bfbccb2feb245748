#include "edit/focus.h"

EditFocus editFocus = {Header, BalanceSign, 0, Description, {'+'}, 0, 0, 1, 1};
std::array<char, 128> savedValue{};
TransactionTable tableBeforeCommit{};
