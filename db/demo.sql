-- DEMONSTRAÇÃO: dados fictícios para experimentar o programa.
-- Loaded only into the demo working folder made by the README's start command.
UPDATE Empresa SET EMP_Nome = 'Pizzaria Demonstração (DADOS FICTÍCIOS)', EMP_Ender = 'Rua das Flores, 100',
  EMP_Bairro = 'Centro', EMP_Cidade = 'Campinas', EMP_UF = 'SP', EMP_Fone = '(19) 3232-0000',
  EMP_Email = 'contato@exemplo.com.br', EMP_HomeP = 'www.exemplo.com.br' WHERE EMP_Codigo = '001';
INSERT INTO Clientes (CLI_CODIGO, CLI_NOME, CLI_ENDER, CLI_NUMERO, CLI_BAIRRO, CLI_CID, CLI_UF, CLI_CEP, CLI_FONE, CLI_CONTATO, CLI_DCAD) VALUES ('0000000001', 'Ana Souza (demo)', 'Rua Sete de Setembro', '45', 'Centro', 'Campinas', 'SP', '13010-000', '3232-1111', 'Ana Souza (demo)', '2026-01-05');
INSERT INTO Clientes (CLI_CODIGO, CLI_NOME, CLI_ENDER, CLI_NUMERO, CLI_BAIRRO, CLI_CID, CLI_UF, CLI_CEP, CLI_FONE, CLI_CELULAR, CLI_CONTATO, CLI_DCAD) VALUES ('0000000002', 'Bruno Lima (demo)', 'Av. Brasil', '1200', 'Jardim Guanabara', 'Campinas', 'SP', '13070-000', '3232-2222', '99999-2222', 'Bruno Lima (demo)', '2026-02-10');
INSERT INTO Clientes (CLI_CODIGO, CLI_NOME, CLI_ENDER, CLI_NUMERO, CLI_BAIRRO, CLI_CID, CLI_UF, CLI_FONE, CLI_CONTATO, CLI_DCAD) VALUES ('0000000003', 'Carla Mendes (demo)', 'Rua Barão de Jaguara', '310', 'Centro', 'Campinas', 'SP', '3232-3333', 'Carla Mendes (demo)', '2026-03-15');
INSERT INTO Produtos (PRO_CODIGO, PRO_DESCRICAO, PRO_UNID, PRO_PF, PRO_FEITOHORA, PRO_ATIVO, PRO_QUANT, PRO_MIN, PRO_EMAX, PRO_PCUSTO, PRO_MARGEM, PRO_PVENDA, PRO_DCAD) VALUES ('         1', 'Pizza Mussarela (demo)', 'UN', 'S', 'S', 'S', 0, 0, 0, 18.00, 100.00, 36.00, '2026-01-05');
INSERT INTO Produtos (PRO_CODIGO, PRO_DESCRICAO, PRO_UNID, PRO_PF, PRO_FEITOHORA, PRO_ATIVO, PRO_QUANT, PRO_MIN, PRO_EMAX, PRO_PCUSTO, PRO_MARGEM, PRO_PVENDA, PRO_DCAD) VALUES ('         2', 'Pizza Calabresa (demo)', 'UN', 'S', 'S', 'S', 0, 0, 0, 20.00, 90.00, 38.00, '2026-01-05');
INSERT INTO Produtos (PRO_CODIGO, PRO_DESCRICAO, PRO_UNID, PRO_PF, PRO_FEITOHORA, PRO_ATIVO, PRO_QUANT, PRO_MIN, PRO_EMAX, PRO_PCUSTO, PRO_MARGEM, PRO_PVENDA, PRO_DCAD) VALUES ('        10', 'Refrigerante 2 L (demo)', 'UN', 'N', 'N', 'S', 48, 12, 120, 6.50, 60.00, 10.40, '2026-01-05');
INSERT INTO Produtos (PRO_CODIGO, PRO_DESCRICAO, PRO_UNID, PRO_PF, PRO_FEITOHORA, PRO_ATIVO, PRO_QUANT, PRO_MIN, PRO_EMAX, PRO_PCUSTO, PRO_MARGEM, PRO_PVENDA, PRO_DCAD) VALUES ('        11', 'Suco de Laranja 1 L (demo)', 'UN', 'N', 'N', 'N', 0, 5, 30, 4.00, 50.00, 6.00, '2026-01-05');
INSERT INTO Entregadores (ENT_CODIGO, ENT_NOME, ENT_FONE, ENT_CEP, ENT_COMISSAO, ENT_DCAD) VALUES ('000001', 'Diego Rocha (demo)', '99999-0001', '  .   -   ', 10.00, '2026-01-05');
INSERT INTO Entregadores (ENT_CODIGO, ENT_NOME, ENT_FONE, ENT_CEP, ENT_COMISSAO, ENT_DCAD) VALUES ('000002', 'Elisa Prado (demo)', '99999-0002', '  .   -   ', 12.50, '2026-01-05');
INSERT INTO Regioes (REG_CODIGO, REG_DESC, REG_VALOR) VALUES ('000001', 'Centro (demo)', 5.00);
INSERT INTO Regioes (REG_CODIGO, REG_DESC, REG_VALOR) VALUES ('000002', 'Jardim Guanabara (demo)', 7.50);
INSERT INTO Usuarios (USU_CODIGO, USU_NOME, USU_LOGIN, USU_SENHA, USU_ATIVO, USU_DCAD) VALUES ('000001', 'Administrador (demo)', 'admin', 'admin', 'A', '2026-01-05');
