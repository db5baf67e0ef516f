// SPDX-FileCopyrightText: 2026 The drvq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tdxcolors.h"

#include "tdxbutton.h"

TdxColors::TdxColors(TdxButton &owner)
    : m_owner(owner)
{
}

void TdxColors::set(QColor &member, const QColor &color)
{
    const QColor rgb = color.toRgb();
    if (member == rgb)
        return;
    member = rgb;
    m_owner.rebuildGradients();
}

void TdxColors::assign(const TdxColors &other)
{
    if (&other == this)
        return;
    QColor *const mine[] = {&m_backgroundFrom, &m_backgroundTo, &m_borderEdges, &m_borderLine,
                            &m_clickedFrom,    &m_clickedTo,    &m_focusedFrom, &m_focusedTo,
                            &m_highlightFrom,  &m_highlightTo,  &m_hotTrack};
    const QColor *const theirs[] = {
        &other.m_backgroundFrom, &other.m_backgroundTo, &other.m_borderEdges, &other.m_borderLine,
        &other.m_clickedFrom,    &other.m_clickedTo,    &other.m_focusedFrom, &other.m_focusedTo,
        &other.m_highlightFrom,  &other.m_highlightTo,  &other.m_hotTrack};
    bool changed = false;
    for (std::size_t i = 0; i < std::size(mine); ++i) {
        if (*mine[i] != *theirs[i]) {
            *mine[i] = *theirs[i];
            changed = true;
        }
    }
    if (changed)
        m_owner.rebuildGradients();
}
