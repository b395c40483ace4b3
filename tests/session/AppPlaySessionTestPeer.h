// Reaches the play session's random source, which its owner alone seeds, for tests to seed it.
#pragma once

#include "AppPlaySession.h"

class AppPlaySessionTestPeer {
public:
    static AppRandom& Random(AppPlaySession& session) { return session.random_; }
};
