[Version] 2.1
# MHz S RI R 50
[Number of Ports] 2
[Matrix Format] Lower
[Begin Information]
x
[End Information]
[Network Data]
146 .1 0 1 1 1 1
147 .2 .3 1 1 1 1
