// Reaches the play session's random source, which its owner alone seeds, for tests to seed it,
// and its writing queue, to know when the writes posted so far are done.
#pragma once

#include "AppPlaySession.h"

class AppPlaySessionTestPeer {
public:
    static AppRandom& Random(AppPlaySession& session) { return session.random_; }
    static AppWriteQueue& Writes(AppPlaySession& session) { return *session.writes_; }
};
