[Version] 2.0
# MHz S RI R 50
[Number of Ports] 1
[Number of Frequencies] 2
[Reference] 75
[Network Data]
146 .1 0
147 .2 .3
[End]
not read
