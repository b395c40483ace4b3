// The looks the field's picture can be painted in.
#pragma once

enum class AppLookKind { Classic, Dark, HighContrast };
