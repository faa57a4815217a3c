[Version] 2.0
# MHz S RI R 50
[Number of Ports] 2
[Two-Port Data Order] 12_21
[Reference]
60 50
[Network Data]
146 .1 0 1 1
 1 1 1 1
147 .2 .3 1 1 1 1
1 1
[Noise Data]
100 1 .5 30 .3
[End]
