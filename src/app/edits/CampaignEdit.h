#pragma once

#include "Campaign.h"

#include <QUndoCommand>

// One undoable edit of the campaign. Whatever can fail (reading a file, checking a position)
// happens when the command is made, so that a failing edit throws before anything is pushed;
// doing and undoing then only move what the command holds into the model and back. Between
// them the command holds only what the edit took away. The offsets are brought up to date
// after either. The window names each edit after the command that made it.
class TCampaignEdit : public QUndoCommand {
public:
    void redo() final;
    void undo() final;

protected:
    explicit TCampaignEdit(TCampaign& campaign);
    TCampaign& campaign() { return m_campaign; }

private:
    virtual void apply() = 0;
    virtual void revert() = 0;

    TCampaign& m_campaign;
};
