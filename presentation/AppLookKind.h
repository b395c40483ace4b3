// The looks the field can be painted in.
#pragma once

enum class AppLookKind { Classic, Dark, HighContrast };
