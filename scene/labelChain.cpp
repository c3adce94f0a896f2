// Label chains: ten labels end to end, bent at every joint by the sway.
#include "scene/scene.h"

#include "clock/timeLabels.h"
#include "font/strokeFont.h"

#include <SDL_opengl.h>
#include <algorithm>

int32_t chainCount = 0;
std::vector<std::unique_ptr<LabelChain>> chains;

LabelChain::LabelChain(int32_t labels, Vec3 rootedAt, double apart)
    // There are only so many labels to show; a longer chain would read before the first.
    : root(rootedAt), labelCount(std::min(labels, timeLabelCount)), swayRows(2), spacing(apart) {
    sway = std::make_unique<SwayField>(labelCount, swayRows, 12.0, 160, 160);
}

void LabelChain::update() {
    sway->step();
}

void LabelChain::draw() {
    glPushMatrix();
    glTranslated(root.x, root.y, root.z);
    for (int32_t k = 0; k < labelCount; ++k) {
        // The joints compound: each label is turned by its own and all earlier joints.
        glRotated(sway->sums[0][k], 0.0, 0.0, 1.0);
        glRotated(static_cast<float>(sway->sums[1][k]), 1.0, 0.0, 0.0);
        glPushMatrix();
        // Glyphs advance along +x; the chain runs along its local +y.
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
        const float c = static_cast<float>(k) / static_cast<float>(labelCount);
        const float rest = 1.0f - c;
        glColor3f(c, rest, rest);
        drawText(fontBase, TimeLabels[timeLabelCount - labelCount + k], timeLabelLength);
        glPopMatrix();
        glTranslated(0.0, spacing, 0.0);
    }
    glPopMatrix();
}

void createLabelChains() {
    chainCount = 45;
    chains.clear();
    chains.reserve(static_cast<size_t>(chainCount));
    for (int32_t i = 0; i < chainCount; ++i) {
        chains.push_back(std::make_unique<LabelChain>(10, Vec3(0.0f, 0.0f, 0.0f),
                                                      static_cast<double>(labelSpacing)));
    }
}
