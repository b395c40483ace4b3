// The mouse buttons the game tells apart.
#pragma once

enum class AppMouseButton { Left, Right, Middle, Other };
