// The front end's step timer: the session runs it only while something moves.
#pragma once

class AppStepTimer {
public:
    virtual ~AppStepTimer() = default;

    // True: call the session's Step once per period from now on; false: call nothing and
    // wake nothing until it is run again. Telling the same twice changes nothing.
    virtual void RunSteps(bool run) = 0;
};
