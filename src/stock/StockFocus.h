#pragma once

// Where the stock entry and exit windows put the focus after a step.
enum class StockFocus { None, Code, Quantity };
