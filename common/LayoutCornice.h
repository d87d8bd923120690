#pragma once

#include <QPoint>
#include <QRect>

// Where the frame's controls stand in an exercise window, in twips.
// The defaults are the common positions; a window's table overrides some.
struct LayoutCornice {
    QRect bottoneAvanti{7800, 5040, 1425, 1095};
    QPoint icone{8160, 720};
    QPoint label1{7800, 1920};
    QPoint label2{7800, 2520};
    QPoint etichettaEsatti{8520, 1800};
    QPoint etichettaErrati{8520, 2400};
};
