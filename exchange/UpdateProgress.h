#pragma once

// Where the software update reports how far it got (0 to 100).
class UpdateProgress {
public:
    virtual ~UpdateProgress() = default;
    virtual void setUpdateProgress(int value) = 0;
};
