# The ZedLib calls that the older host release lacks: the legacy plug-in must
# import none of them (tests/windows/, the package check).
set(OLDER_HOST_LACKS ZedSgmSetAttribute ZedSgmGetAttribute ZedSgmDeleteAttribute ZedSgmDeleteAllAttribute
    ZedSgmGetType ZedElmGetType ZedEvtSetCompareFunction ZedFigRemoveCorner ZedHolCreateFigHole
    ZedAriItsLinLin ZedAriItsLinArc ZedAriItsArcArc)
